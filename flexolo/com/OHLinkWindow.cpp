#include "com/OHLinkWindow.h"

#include <windowsx.h>

#include "com/LinkCursor.h"
#include "com/Module.h"
#include "com/TextSize.h"
#include "com/Twips.h"

namespace tavimo::flexolo::com {
namespace {

constexpr char className[] = "FlexoloOHLink";

bool registerClass(WNDPROC windowProc) {
  WNDCLASSEXA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = windowProc;
  return registerModuleClass<className>(wc);
}

int16_t shiftState(WPARAM wParam) {
  int16_t shift = 0;
  if (wParam & MK_SHIFT) shift |= 1;
  if (wParam & MK_CONTROL) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int16_t buttonsHeld(WPARAM wParam) {
  int16_t buttons = 0;
  if (wParam & MK_LBUTTON) buttons |= 1;
  if (wParam & MK_RBUTTON) buttons |= 2;
  if (wParam & MK_MBUTTON) buttons |= 4;
  return buttons;
}

MouseEventArgs mouseArgs(int16_t button, WPARAM wParam, LPARAM lParam) {
  return {button, shiftState(wParam),
          static_cast<float>(twipsFromPixelsX(GET_X_LPARAM(lParam))),
          static_cast<float>(twipsFromPixelsY(GET_Y_LPARAM(lParam)))};
}

}  // namespace

OHLinkWindow::OHLinkWindow(Shell& shell, OHLinkEvents& events) : link_(*this, shell, events) {}

OHLinkWindow::~OHLinkWindow() { destroy(); }

bool OHLinkWindow::create(HWND parent, int id, int x, int y) {
  if (hwnd_) return true;
  if (!registerClass(&OHLinkWindow::windowProc)) return false;
  CreateWindowExA(0, className, caption_.c_str(), WS_CHILD | WS_VISIBLE, x, y,
                  pixelsFromTwipsX(size_.width), pixelsFromTwipsY(size_.height), parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), moduleInstance(), this);
  return hwnd_ != nullptr;
}

void OHLinkWindow::destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void OHLinkWindow::setFont(HFONT font) {
  font_ = font;
  link_.resize();
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void OHLinkWindow::setLabelCaption(const std::string& caption) {
  caption_ = caption;
  if (hwnd_) {
    SetWindowTextA(hwnd_, caption_.c_str());
    InvalidateRect(hwnd_, nullptr, TRUE);
  }
}

Size OHLinkWindow::labelSize() {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ previous = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  const SIZE text = labelTextSize(dc, caption_);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  return {twipsFromPixelsX(text.cx), twipsFromPixelsY(text.cy)};
}

void OHLinkWindow::setControlSize(Size size) {
  size_ = size;
  if (hwnd_)
    SetWindowPos(hwnd_, nullptr, 0, 0, pixelsFromTwipsX(size.width),
                 pixelsFromTwipsY(size.height), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK OHLinkWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ownerWindowProc<OHLinkWindow>(hwnd, message, wParam, lParam);
}

void OHLinkWindow::releaseCaptureWhenNoButton(WPARAM wParam) {
  if (buttonsHeld(wParam) == 0 && GetCapture() == hwnd_) ReleaseCapture();
}

LRESULT OHLinkWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: paint(); return 0;
    case WM_ERASEBKGND: return 1;  // painted with the text
    case WM_SETCURSOR: SetCursor(linkCursor()); return TRUE;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd_);
      clickPending_ = true;
      link_.mouseDown(mouseArgs(1, wParam, lParam));
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      SetCapture(hwnd_);
      link_.mouseDown(mouseArgs(message == WM_RBUTTONDOWN ? 2 : 4, wParam, lParam));
      return 0;
    case WM_LBUTTONDBLCLK:
      // The second press of a double click raises DblClick instead of MouseDown and Click.
      SetCapture(hwnd_);
      clickPending_ = false;
      link_.dblClick();
      return 0;
    case WM_MOUSEMOVE: link_.mouseMove(mouseArgs(buttonsHeld(wParam), wParam, lParam)); return 0;
    case WM_LBUTTONUP: {
      RECT client;
      GetClientRect(hwnd_, &client);
      POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      const bool clicked = clickPending_ && PtInRect(&client, at);
      clickPending_ = false;
      releaseCaptureWhenNoButton(wParam);
      link_.mouseUp(mouseArgs(1, wParam, lParam));
      if (clicked) link_.click();  // may unload the container: nothing of this after it
      return 0;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      releaseCaptureWhenNoButton(wParam);
      link_.mouseUp(mouseArgs(message == WM_RBUTTONUP ? 2 : 4, wParam, lParam));
      return 0;
    case WM_CAPTURECHANGED: clickPending_ = false; return 0;
    default: return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

void OHLinkWindow::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  // The container's background, as it gives it to its labels.
  auto background = reinterpret_cast<HBRUSH>(SendMessageA(
      GetParent(hwnd_), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
      reinterpret_cast<LPARAM>(hwnd_)));
  FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ previous = SelectObject(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, OHLink::captionColor);
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &client,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, previous);
  EndPaint(hwnd_, &ps);
}

}  // namespace tavimo::flexolo::com
