#include "core/frmconnection.h"

#include "core/ClientContext.h"
#include "core/EntryDialog.h"
#include "core/StoredState.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "platform/AnsiCase.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "session/SavKey.h"
#include "util/Convert.h"
#include "util/Text.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

frmconnection::frmconnection() : Form("frmconnection") {
  setCaption("Connection Status");
  setBorderStyle(rt::BorderStyle::FixedSingle);
  setClientSize(4800, 1980);
  lblTitle.setCaption("Tavimo Client");
  lblTitle.setFont({"MS Sans Serif", 14, true});
  lblTitle.setForeColor(rt::rgb(0, 51, 153));
  lblTitle.move(360, 240, 4080, 420);
  Label1.move(360, 840, 4080, 480);
  Check4.setCaption("Connecting with the Database is established");
  Check4.setEnabled(false);
  Check4.move(360, 1440, 4080, 300);
  Timer1.setInterval(50);
  Timer1.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
}

void frmconnection::onActivate() {
  ClientContext& c = client();
  c.startupPhase = true;
  c.localAddress = cws1.localIP();
  Label1.setCaption("Searching Tavimo Server...");
  auto& sockets = rt::app().form<frmSocks>();
  setServerName(trim(getServerName()));
  c.pcName = clsSytemInfo().strComputername();
  if (equalsIgnoringCase(c.serverName, c.pcName)) stored::write(stored::serverProgramPath, rt::app().backend().programFile());
  c.sendBuffer = "1|" + c.pcName;
  sockets.doSvrconnect();
}

std::string getServerName() {
  ClientContext& c = client();
  // A stored flag that is no byte asks as well: its test fails, and a failed test takes the
  // asking branch.
  auto specified = stored::read(stored::TVSSpec).asLong();
  if (!specified || *specified <= 0 || *specified > 255) {
    if (rt::app().isLoaded<frmconnection>()) {
      auto& connection = rt::app().form<frmconnection>();
      connection.Timer1.setEnabled(false);
      platform().desktop->setTopmost(connection.hWnd(), false);
    }
    rt::app().form<frmSvrnm>().show(true);
    stored::write(stored::TVServer, c.enteredServerName);
    stored::write(stored::TVSSpec, 1);
  }
  c.enteredServerName = stored::readText(stored::TVServer);
  return c.enteredServerName;
}

void startLogin() {
  ClientContext& c = client();
  c.pendingMessage.clear();
  c.slotExpired = false;
  c.backupFile = stored::systemFile(stored::backupFileName);
  if (platform().files->exists(c.backupFile)) restoreKey(stored::timersKey.path, c.backupFile, stored::timersKey.hive);
  rt::app().form<frmstart>().show();
  rt::app().form<listener>();
}

}  // namespace tavimo
