#include "platform/Desktop.h"

namespace tavimo {

void FakeDesktop::setTopmost(WindowHandle window, bool topmost) {
  calls.push_back("SetWindowPos " + std::to_string(window) + (topmost ? " HWND_TOPMOST" : " HWND_NOTOPMOST"));
}

}  // namespace tavimo
