#include "session/frmTray.h"

#include "core/ClientContext.h"
#include "runtime/App.h"
#include "session/Pictures.h"
#include "session/TimerWindow.h"
#include "session/TimerWindows.h"

namespace tavimo {

frmTray::frmTray() : Form("frmTray") {
  setCaption("Tavimo Timer");
  setBorderStyle(rt::BorderStyle::FixedDialog);
  setShowInTaskbar(false);
  setStartUpPosition(rt::StartUpPosition::CenterScreen);
  setClientSize(5520, 2160);

  Image1.setResourcePicture(picture::trayClock);
  Image1.move(240, 240, Image1.width(), Image1.height());
  Label1.setCaption(
      "Although you have closed the Timer Window, Timer will continue to run in the Taskbar. Double click the Timer "
      "icon in the taskbar to maximize the Timer Window again.");
  Label1.move(1080, 240, 4200, 1020);
  Image2.setResourcePicture(picture::trayArea);
  Image2.move(1080, 1320, Image2.width(), Image2.height());
  Command1.setCaption("Ok");
  Command1.move(4080, 1560, 1200, 390);
  Command1.onClick = [this] { Command1_Click(); };
}

void frmTray::Command1_Click() {
  if (TimerWindow* window = timerWindowOf(client().trayOwner)) window->hideFrm();
  unload();
}

}  // namespace tavimo
