#include "runtime/win32/WindowClassPeer.h"

namespace tavimo::rt {

WindowClassPeer::WindowClassPeer(Win32Context& context, const char* windowClass)
    : ControlPeer(context), windowClass_(windowClass) {
  context.registerWindowClass(windowClass, windowProc);
}

void WindowClassPeer::created(Control&, HWND hwnd) {
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK WindowClassPeer::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* peer = reinterpret_cast<WindowClassPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return peer ? peer->handle(hwnd, message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tavimo::rt
