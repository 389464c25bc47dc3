#include <windows.h>

#include "platform/Desktop.h"

namespace tavimo {

void Win32Desktop::setTopmost(WindowHandle window, bool topmost) {
  SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int Win32Desktop::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace tavimo
