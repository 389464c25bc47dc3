#include "lockdown/mHotKey.h"

#include <utility>

#include "platform/Platform.h"

namespace tavimo {

namespace {
std::int32_t lastHotKey = 0;
WindowProcHandle previousPanelProc = 0;
std::function<void(int)> panelHotKeyAction;
}  // namespace

bool registerHotKey(WindowHandle window, std::uint32_t modifiers, std::uint16_t keyCode) {
  ++lastHotKey;
  return platform().desktop->registerHotKey(window, lastHotKey, modifiers, keyCode);
}

void unregisterHotKeys(WindowHandle window) {
  for (std::int32_t number = 1; number <= lastHotKey; ++number) platform().desktop->unregisterHotKey(window, number);
  lastHotKey = 0;
}

std::int32_t hotKeyCount() { return lastHotKey; }

std::intptr_t panelWindowProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam) {
  if (message == wm::HotKey) {
    // A copy: the action may close the panel, which takes the procedure and action away.
    const std::function<void(int)> action = panelHotKeyAction;
    if (action) action(static_cast<int>(wParam));
    return 0;
  }
  return platform().desktop->callWindowProc(previousPanelProc, window, message, wParam, lParam);
}

void installPanelWindowProc(WindowHandle panel, std::function<void(int number)> onHotKey) {
  panelHotKeyAction = std::move(onHotKey);
  previousPanelProc = platform().desktop->setWindowProc(panel, &panelWindowProc);
}

void restorePanelWindowProc(WindowHandle panel) {
  platform().desktop->restoreWindowProc(panel, previousPanelProc);
  previousPanelProc = 0;
  panelHotKeyAction = nullptr;
}

}  // namespace tavimo
