#include "platform/Desktop.h"

#include "platform/AnsiCase.h"

namespace tavimo {

WindowHandle FakeDesktop::addWindow(const std::string& className, const std::string& text, WindowHandle parent) {
  windows.push_back({nextHandle_, parent, className, text});
  nextHandle_ += 4;
  return windows.back().handle;
}

FakeDesktop::Window* FakeDesktop::window(WindowHandle handle) {
  for (Window& w : windows)
    if (w.handle == handle) return &w;
  return nullptr;
}

void FakeDesktop::setTopmost(WindowHandle window, bool topmost) {
  calls.push_back("SetWindowPos " + std::to_string(window) + (topmost ? " HWND_TOPMOST" : " HWND_NOTOPMOST"));
}

WindowHandle FakeDesktop::findWindow(const std::string& className) { return findChildWindow(0, className); }

// Class names match without regard to case, as the system's do.
WindowHandle FakeDesktop::findChildWindow(WindowHandle parent, const std::string& className) {
  for (const Window& w : windows)
    if (w.parent == parent && equalsIgnoringCase(w.className, className)) return w.handle;
  return 0;
}

void FakeDesktop::showWindow(WindowHandle handle, int command) {
  calls.push_back("ShowWindow " + std::to_string(handle) + " " + std::to_string(command));
  if (Window* w = window(handle)) w->visible = command != 0;
}

void FakeDesktop::setScreenSaverRunning(bool running) {
  calls.push_back(std::string("SystemParametersInfo SPI_SETSCREENSAVERRUNNING ") + (running ? "1" : "0"));
  screenSaverRunning = running;
}

void FakeDesktop::registerServiceProcess() { calls.push_back("RegisterServiceProcess 1"); }

void FakeDesktop::raisePriority() { calls.push_back("SetThreadPriority highest; SetPriorityClass high"); }

}  // namespace tavimo
