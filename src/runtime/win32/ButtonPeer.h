#pragma once
// What the three button kinds share: a BUTTON window of their own style, their caption, the
// user's click and focus, and for check and option buttons the mark that shows their value.
// The controls set their values themselves on a click, so no button checks itself.
#include "runtime/Controls.h"
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

template <class Button>
class ButtonPeer final : public ControlPeer {
 public:
  // The BM_SETCHECK state for the button's value; none for a push button.
  using CheckState = WPARAM (*)(const Button&);

  ButtonPeer(Win32Context& context, DWORD buttonStyle, CheckState checkState = nullptr)
      : ControlPeer(context), buttonStyle_(buttonStyle), checkState_(checkState) {}

  WindowKind window(const Control&) const override { return {"BUTTON", buttonStyle_ | BS_NOTIFY | WS_TABSTOP}; }

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& button = static_cast<Button&>(c);
    if (what == Prop::Caption) context_.setText(hwnd, button.caption());
    if (what == Prop::Value && checkState_) SendMessageA(hwnd, BM_SETCHECK, checkState_(button), 0);
  }

  void command(Control& c, HWND, WORD code) override {
    if (code == BN_CLICKED) static_cast<Button&>(c).userClick();
    if (code == BN_SETFOCUS) focused(c);
  }

 private:
  DWORD buttonStyle_;
  CheckState checkState_;
};

}  // namespace tavimo::rt
