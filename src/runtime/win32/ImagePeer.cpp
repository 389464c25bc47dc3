// An image: a window class of its own that paints the control's picture, at its own size or
// stretched to the control's, on the colour behind the control.
#include "runtime/Controls.h"
#include "runtime/win32/WindowClassPeer.h"

namespace tavimo::rt {

namespace {
class ImagePeer final : public WindowClassPeer {
 public:
  explicit ImagePeer(Win32Context& context) : WindowClassPeer(context, "TavimoImage") {}

  WindowKind window(const Control&) const override { return {windowClass()}; }

  void apply(Control&, HWND hwnd, Prop what) override {
    if (what == Prop::Picture) InvalidateRect(hwnd, nullptr, TRUE);
  }

 private:
  LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_PAINT) {
      paint(hwnd);
      return 0;
    }
    // A click is the button going up over the picture it went down on.
    if (message == WM_LBUTTONUP) {
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      RECT r;
      GetClientRect(hwnd, &r);
      if (auto* image = static_cast<Image*>(context_.controlAt(hwnd)); image && PtInRect(&r, at)) image->userClick();
      return 0;
    }
    if (message == WM_ERASEBKGND) {
      Control* c = context_.controlAt(hwnd);
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, context_.brushFor(c ? context_.backgroundOf(*c) : systemColor));
      return 1;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }

  void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    auto* image = static_cast<Image*>(context_.controlAt(hwnd));
    // The last picture loaded stays until the next one; the control says whether it has one.
    if (IPicture* picture = image && !image->picture().empty() ? context_.pictureOf(*image) : nullptr) {
      OLE_XSIZE_HIMETRIC width = 0;
      OLE_YSIZE_HIMETRIC height = 0;
      picture->get_Width(&width);
      picture->get_Height(&height);
      RECT r;
      GetClientRect(hwnd, &r);
      bool stretch = image->stretch();
      int cx = stretch ? r.right : MulDiv(width, 96, 2540);
      int cy = stretch ? r.bottom : MulDiv(height, 96, 2540);
      // A picture shown smaller keeps its detail only when its pixels are averaged.
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);
      picture->Render(dc, 0, 0, cx, cy, 0, height, width, -height, &r);
    }
    EndPaint(hwnd, &ps);
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeImagePeer(Win32Context& context) { return std::make_unique<ImagePeer>(context); }

}  // namespace tavimo::rt
