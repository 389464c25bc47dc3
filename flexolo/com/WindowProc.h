#pragma once
// Windows owned by C++ objects: their class, registered once for as long as the library is
// loaded, and their window procedure: the object is passed as the creation parameter, kept in
// the window's user data, told its handle, and handed every message until the window is gone.
#include <windows.h>

#include "com/Module.h"

namespace tavimo::flexolo::com {

// Registers the class named ClassName from the given fields on first use; the library
// unregisters it when it unloads.
template <const char* ClassName>
bool registerModuleClass(WNDCLASSEXA wc) {
  static bool registered = false;
  if (registered) return true;
  wc.cbSize = sizeof wc;
  wc.hInstance = moduleInstance();
  wc.lpszClassName = ClassName;
  if (!RegisterClassExA(&wc)) return false;
  registered = true;
  atUnload([] {
    UnregisterClassA(ClassName, moduleInstance());
    registered = false;
  });
  return true;
}

template <class Owner>
LRESULT CALLBACK ownerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* owner = static_cast<Owner*>(create->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    owner->hwnd_ = hwnd;
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!owner) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    owner->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return owner->handle(message, wParam, lParam);
}

}  // namespace tavimo::flexolo::com
