#pragma once
// A peer whose kind is a window class of the program's own: the class is registered when the
// peer is made, and each window of it hands its messages to the peer that made it.
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

class WindowClassPeer : public ControlPeer {
 public:
  WindowClassPeer(Win32Context& context, const char* windowClass);

  void created(Control&, HWND hwnd) override;

 protected:
  const char* windowClass() const { return windowClass_; }
  // A message for one of the class's windows; DefWindowProcA for the rest.
  virtual LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  // Messages before the window is bound to its control go to DefWindowProcA.
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  const char* windowClass_;
};

}  // namespace tavimo::rt
