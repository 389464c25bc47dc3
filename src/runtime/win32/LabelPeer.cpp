// A label: a static text, aligned, with or without "&" as the access-key mark, and
// transparent when it shows what lies behind it.
#include "runtime/Controls.h"
#include "runtime/win32/ControlPeer.h"

namespace tavimo::rt {

namespace {
class LabelPeer final : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  WindowKind window(const Control&) const override { return {"STATIC", SS_LEFT | SS_NOTIFY}; }

  void apply(Control& c, HWND hwnd, Prop what) override {
    if (what != Prop::Caption) return;
    auto& label = static_cast<Label&>(c);
    LONG style = GetWindowLongA(hwnd, GWL_STYLE) & ~(SS_LEFT | SS_CENTER | SS_RIGHT | SS_NOPREFIX);
    style |= label.alignment() == Alignment::Center ? SS_CENTER : label.alignment() == Alignment::Right ? SS_RIGHT : SS_LEFT;
    if (!label.useMnemonic()) style |= SS_NOPREFIX;
    SetWindowLongA(hwnd, GWL_STYLE, style);
    context_.setText(hwnd, label.caption());
    // A transparent label leaves its old text behind unless the parent repaints; and a
    // status text must show at once, even when the program then waits.
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(GetParent(hwnd), &r, TRUE);
    UpdateWindow(GetParent(hwnd));
  }

  void command(Control& c, HWND, WORD code) override {
    if (code == STN_CLICKED) static_cast<Label&>(c).userClick();
  }

  std::optional<LRESULT> colors(Control& c, HDC dc) override {
    return surfaceColors(c, dc, static_cast<Label&>(c).transparent());
  }

  UINT textFormat(const Control& c) const override {
    return DT_LEFT | (static_cast<const Label&>(c).useMnemonic() ? 0 : DT_NOPREFIX);
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeLabelPeer(Win32Context& context) { return std::make_unique<LabelPeer>(context); }

}  // namespace tavimo::rt
