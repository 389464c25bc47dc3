#include "session/Functions.h"

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "util/clsSytemInfo.h"

namespace tavimo {

namespace {
constexpr const char* taskbarClass = "Shell_TrayWnd";
}

void setTaskbar(std::int32_t showCommand) {
  Desktop& desktop = *platform().desktop;
  if (WindowHandle taskbar = desktop.findWindow(taskbarClass)) desktop.showWindow(taskbar, showCommand);
  if (showCommand == 0) desktop.setScreenSaverRunning(true);
  if (showCommand == 1) desktop.setScreenSaverRunning(false);
  if (clsSytemInfo().strWinversion() <= 4.9) desktop.registerServiceProcess();
}

void setTrayClock(std::int16_t showCommand) {
  Desktop& desktop = *platform().desktop;
  WindowHandle taskbar = desktop.findWindow(taskbarClass);
  WindowHandle tray = taskbar ? desktop.findChildWindow(taskbar, "TrayNotifyWnd") : 0;
  WindowHandle clock = tray ? desktop.findChildWindow(tray, "TrayClockWClass") : 0;
  if (clock) desktop.showWindow(clock, showCommand);
}

}  // namespace tavimo
