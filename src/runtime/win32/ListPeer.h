#pragma once
// What the two list kinds share: their window is refilled from the control's items, each kind
// with its own messages, and then shows the control's selection; both are fields to pick in.
#include "runtime/ListControls.h"
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

class ListPeer : public ControlPeer {
 public:
  ListPeer(Win32Context& context, UINT resetMessage, UINT addMessage)
      : ControlPeer(context), resetMessage_(resetMessage), addMessage_(addMessage) {}

  void apply(Control& c, HWND hwnd, Prop what) override {
    if (what != Prop::List) return;
    auto& list = static_cast<ListControl&>(c);
    SendMessageA(hwnd, resetMessage_, 0, 0);
    for (int i = 0; i < list.listCount(); ++i)
      SendMessageA(hwnd, addMessage_, 0, reinterpret_cast<LPARAM>(list.list(i).c_str()));
    apply(c, hwnd, Prop::ListIndex);
  }

  std::optional<LRESULT> colors(Control& c, HDC dc) override { return fieldColors(c, dc); }

 private:
  UINT resetMessage_;
  UINT addMessage_;
};

}  // namespace tavimo::rt
