#include "core/EntryDialog.h"

#include "core/ClientContext.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "util/Text.h"

namespace tavimo {

EntryDialog::EntryDialog(std::string name, const std::string& caption, const std::string& prompt, std::string& entry)
    : Form(std::move(name)), entry_(entry) {
  setCaption(caption);
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setControlBox(false);
  setShowInTaskbar(false);
  setClientSize(5640, 2460);
  // Below the middle of the screen, so the connection status above it stays readable.
  rt::PictureSize screen = rt::app().backend().screenSize();
  setStartUpPosition(rt::StartUpPosition::Manual);
  move((screen.width - width()) / 2, screen.height / 2 + 1500, width(), height());

  lblHeading.setCaption(caption);
  lblHeading.setFont({"MS Sans Serif", 12, true});
  lblHeading.setForeColor(rt::rgb(0, 51, 153));
  lblHeading.move(240, 180, 5160, 360);
  lblPrompt.setCaption(prompt);
  lblPrompt.move(240, 660, 5160, 480);
  txtpas.move(240, 1260, 5160, 330);
  cmdsubt.setCaption("&Ok");
  cmdsubt.setToolTipText("Enter");
  cmdsubt.move(4080, 1800, 1320, 420);

  cmdsubt.onClick = [this] { cmdsubt_Click(); };
  txtpas.onKeyPress = [this](int& key) {
    if (key != rt::key::Return) return;
    key = 0;
    focusNext();
    cmdsubt_Click();
  };
  Timer1.setInterval(50);
  Timer1.onTimer = [this] { platform().desktop->setTopmost(hWnd(), true); };
}

void EntryDialog::cmdsubt_Click() {
  std::string entry = trim(txtpas.text());
  if (entry.empty()) return;
  entry_ = entry;
  unload();
}

frmSvrnm::frmSvrnm()
    : EntryDialog("frmSvrnm", "Tavimo Server Name",
                  "Enter network name of the computer on which Tavimo Server is installed:", client().enteredServerName) {}

frmPasswd::frmPasswd()
    : EntryDialog("frmPasswd", "Administrator Local Password",
                  "Enter Administrator local password to close Tavimo Client:", client().typedPassword) {
  txtpas.setPasswordChar('*');
}

}  // namespace tavimo
