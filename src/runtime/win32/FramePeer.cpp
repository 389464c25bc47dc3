// A frame: a window class of its own that draws an etched border with the caption set into
// its top line, and passes its children's notifications on to the form, which routes them all.
#include "runtime/Controls.h"
#include "runtime/win32/WindowClassPeer.h"

namespace tavimo::rt {

namespace {
class FramePeer final : public WindowClassPeer {
 public:
  explicit FramePeer(Win32Context& context) : WindowClassPeer(context, "TavimoFrame") {}

  WindowKind window(const Control&) const override { return {windowClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT}; }

  void apply(Control&, HWND hwnd, Prop what) override {
    if (what == Prop::Caption) InvalidateRect(hwnd, nullptr, TRUE);
  }

 private:
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
      case WM_NOTIFY:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORLISTBOX:
        if (HWND root = GetAncestor(hwnd, GA_ROOT); root && root != hwnd) return SendMessageA(root, message, wParam, lParam);
        break;
      case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
      case WM_PAINT: paint(hwnd); return 0;
      default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }

  void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    auto* frame = static_cast<Frame*>(context_.controlAt(hwnd));
    RECT r;
    GetClientRect(hwnd, &r);
    long back = frame ? (frame->backColor() != systemColor ? frame->backColor() : context_.backgroundOf(*frame)) : systemColor;
    FillRect(dc, &r, context_.brushFor(back));
    if (frame && frame->border()) {
      HGDIOBJ oldFont = SelectObject(dc, context_.fontFor(frame->font()));
      TEXTMETRICA metrics;
      GetTextMetricsA(dc, &metrics);
      RECT border = r;
      border.top += metrics.tmHeight / 2;
      DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
      if (!frame->caption().empty()) {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, back == systemColor ? GetSysColor(COLOR_BTNFACE) : colorOf(back));
        SetTextColor(dc, frame->foreColor() == systemColor ? GetSysColor(COLOR_BTNTEXT) : colorOf(frame->foreColor()));
        RECT text{8, 0, r.right - 8, metrics.tmHeight};
        std::string caption = " " + frame->caption() + " ";
        DrawTextA(dc, caption.c_str(), -1, &text, DT_LEFT | DT_SINGLELINE);
      }
      SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeFramePeer(Win32Context& context) { return std::make_unique<FramePeer>(context); }

}  // namespace tavimo::rt
