// A shape: a window class of its own that fills its place with the shape's colour. It lies
// below the other controls and lets the mouse through to its container, as a drawing does.
#include "runtime/Controls.h"
#include "runtime/win32/WindowClassPeer.h"

namespace tavimo::rt {

namespace {
class ShapePeer final : public WindowClassPeer {
 public:
  explicit ShapePeer(Win32Context& context) : WindowClassPeer(context, "TavimoShape") {}

  WindowKind window(const Control&) const override { return {windowClass()}; }

  // Below the controls made after it, once they all exist.
  void formComplete(Control&, HWND hwnd) override {
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  // The controls drawn on the shape take its colour as their background: they repaint too.
  void apply(Control&, HWND hwnd, Prop what) override {
    if (what != Prop::FillColor) return;
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(GetParent(hwnd), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }

 private:
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NCHITTEST: return HTTRANSPARENT;
      case WM_ERASEBKGND: {
        auto* shape = static_cast<Shape*>(context_.controlAt(hwnd));
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, context_.brushFor(shape ? shape->fillColor() : systemColor));
        return 1;
      }
      case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
      }
      default: return DefWindowProcA(hwnd, message, wParam, lParam);
    }
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeShapePeer(Win32Context& context) { return std::make_unique<ShapePeer>(context); }

}  // namespace tavimo::rt
