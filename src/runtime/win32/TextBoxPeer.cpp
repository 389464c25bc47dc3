// A text box: an edit window, subclassed so that KeyPress sees each typed character first and
// may swallow it (key 0) or replace it.
#include "runtime/TextBox.h"
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

namespace {
class TextBoxPeer final : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  WindowKind window(const Control& c) const override {
    const DWORD lines = static_cast<const TextBox&>(c).multiLine() ? ES_MULTILINE | ES_AUTOVSCROLL : ES_AUTOHSCROLL;
    return {"EDIT", lines | WS_TABSTOP, WS_EX_CLIENTEDGE};
  }

  void created(Control&, HWND hwnd) override {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keyPressProc)));
  }

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& box = static_cast<TextBox&>(c);
    switch (what) {
      case Prop::Text: context_.setText(hwnd, box.text()); break;
      case Prop::Selection: SendMessageA(hwnd, EM_SETSEL, box.selStart(), box.selStart() + box.selLength()); break;
      case Prop::MaxLength: SendMessageA(hwnd, EM_LIMITTEXT, box.maxLength(), 0); break;
      case Prop::PasswordChar:
        SendMessageA(hwnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(box.passwordChar()), 0);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
      case Prop::Locked: SendMessageA(hwnd, EM_SETREADONLY, box.locked(), 0); break;
      default: break;
    }
  }

  void command(Control& c, HWND hwnd, WORD code) override {
    if (code == EN_CHANGE && !context_.settingText()) static_cast<TextBox&>(c).textEdited(Win32Context::textOf(hwnd));
    if (code == EN_SETFOCUS) focused(c);
  }

  std::optional<LRESULT> colors(Control& c, HDC dc) override { return fieldColors(c, dc); }

 private:
  static LRESULT CALLBACK keyPressProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* peer = reinterpret_cast<TextBoxPeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    WNDPROC original = peer ? peer->editProc_ : nullptr;
    if (!original) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_CHAR) {
      auto* box = static_cast<TextBox*>(peer->context_.controlAt(hwnd));
      if (box && box->onKeyPress) {
        int key = static_cast<int>(wParam);
        box->onKeyPress(key);
        if (key == 0 || !IsWindow(hwnd)) return 0;
        wParam = static_cast<WPARAM>(key);
      }
    }
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
  }

  WNDPROC editProc_ = nullptr;  // the same for every edit window
};
}  // namespace

std::unique_ptr<ControlPeer> makeTextBoxPeer(Win32Context& context) { return std::make_unique<TextBoxPeer>(context); }

}  // namespace tavimo::rt
