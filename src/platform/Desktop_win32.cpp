#include <windows.h>

#include "platform/Desktop.h"

namespace tavimo {

void Win32Desktop::setTopmost(WindowHandle window, bool topmost) {
  SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int Win32Desktop::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

WindowHandle Win32Desktop::findWindow(const std::string& className) {
  return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32Desktop::findChildWindow(WindowHandle parent, const std::string& className) {
  return reinterpret_cast<WindowHandle>(FindWindowExA(reinterpret_cast<HWND>(parent), nullptr, className.c_str(), nullptr));
}

void Win32Desktop::showWindow(WindowHandle window, int command) { ShowWindow(reinterpret_cast<HWND>(window), command); }

void Win32Desktop::setScreenSaverRunning(bool running) {
  UINT previous = 0;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, running ? 1 : 0);
}

void Win32Desktop::registerServiceProcess() {
  using Register = DWORD(WINAPI*)(DWORD, DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto registerService = reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(kernel, "RegisterServiceProcess")));
  if (registerService) registerService(GetCurrentProcessId(), 1);
}

void Win32Desktop::raisePriority() {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
}

}  // namespace tavimo
