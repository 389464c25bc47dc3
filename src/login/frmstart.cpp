#include "login/frmstart.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "session/Functions.h"
#include "session/SavKey.h"

namespace tavimo {

frmstart::frmstart() : Form("frmstart") {
  setCaption("Login Mode");
  setClientSize(6000, 4000);
  const char* captions[] = {"Previous user details:", "User :", "Date :", "Usage :", "Charges :"};
  for (int i = 0; i < 5; ++i) {
    info[i].setCaption(captions[i]);
    info[i].move(240, 240 + i * 300, 1680, 255);
  }
  rt::Label* details[] = {&lblUser, &lblDate, &lblUsage, &lblCharges};
  for (int i = 0; i < 4; ++i) details[i]->move(1980, 540 + i * 300, 3000, 255);
}

void frmstart::onLoad() {
  const std::string& backup = client().backupFile;
  if (platform().files->exists(backup)) {
    restoreKey(stored::timersKey.path, backup, stored::timersKey.hive);
    platform().files->remove(backup);
  }
  loadSessionRecord();
  sendSessionReport('1');
  stored::write(stored::Status, 0);
  stored::write(stored::Continue, 0);
  omxFlexolo1.call("SaveControlPositions");
}

void frmstart::onResize() { omxFlexolo1.call("Resize"); }

}  // namespace tavimo
