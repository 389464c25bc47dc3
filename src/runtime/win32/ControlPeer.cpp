#include "runtime/win32/ControlPeer.h"

#include "runtime/Form.h"

namespace tavimo::rt {

LRESULT ControlPeer::surfaceColors(const Control& control, HDC dc, bool transparent) {
  if (control.foreColor() != systemColor) SetTextColor(dc, colorOf(control.foreColor()));
  long back = control.backColor();
  if (back == systemColor || transparent) back = context_.backgroundOf(control);
  SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
  SetBkColor(dc, back == systemColor ? GetSysColor(COLOR_BTNFACE) : colorOf(back));
  return reinterpret_cast<LRESULT>(context_.brushFor(back));
}

std::optional<LRESULT> ControlPeer::fieldColors(const Control& control, HDC dc) {
  if (control.backColor() != systemColor) return surfaceColors(control, dc, false);
  if (control.foreColor() == systemColor) return std::nullopt;
  SetTextColor(dc, colorOf(control.foreColor()));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

void ControlPeer::focused(Control& control) { control.form().focusChanged(&control); }

}  // namespace tavimo::rt
