#include "runtime/win32/ControlWindows.h"

#include <commctrl.h>

#include <vector>

#include "runtime/Controls.h"
#include "runtime/Form.h"

namespace tavimo::rt {

namespace {
constexpr const char* indexProperty = "TavimoIndex";
constexpr UINT_PTR mouseSubclass = 1;
// Set while the window holds the mouse because its control follows it; a window that takes
// the mouse itself (a button) is left to let it go.
constexpr const char* capturedProperty = "TavimoCaptured";

// The buttons as the control's events number them, the shift keys, and the place in twips.
MouseEvent mouseEvent(WPARAM wParam, LPARAM lParam) {
  MouseEvent e;
  e.button = ((wParam & MK_LBUTTON) ? 1 : 0) | ((wParam & MK_RBUTTON) ? 2 : 0) | ((wParam & MK_MBUTTON) ? 4 : 0);
  e.shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
  e.x = twips(static_cast<short>(LOWORD(lParam)));
  e.y = twips(static_cast<short>(HIWORD(lParam)));
  return e;
}

int buttonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return 2;
    default: return 4;
  }
}

// What a new window takes from its control, font first; each peer uses what its kind has.
constexpr Prop initialState[] = {Prop::Font,         Prop::Caption, Prop::Text,  Prop::MaxLength,
                                 Prop::PasswordChar, Prop::Locked,  Prop::Value, Prop::List,
                                 Prop::ListIndex,    Prop::ToolTip};
}  // namespace

void ControlWindows::create(Form& form, HWND formWindow) {
  // Containers first, so that every control finds its parent window.
  std::vector<Control*> pending(form.controls().begin(), form.controls().end());
  while (!pending.empty()) {
    std::vector<Control*> later;
    for (Control* c : pending) {
      if (c->container() && !context_.windowOf(*c->container()))
        later.push_back(c);
      else if (ControlPeer* peer = peers_.peerFor(c->kind()))
        create(*c, *peer, formWindow);
    }
    if (later.size() == pending.size()) break;  // a container outside this form: leave those out
    pending.swap(later);
  }
  for (Control* c : form.controls())
    if (HWND hwnd = context_.windowOf(*c)) peerOf(*c).formComplete(*c, hwnd);
}

void ControlWindows::create(Control& c, ControlPeer& peer, HWND formWindow) {
  HWND parent = c.container() ? context_.windowOf(*c.container()) : formWindow;
  WindowKind windowKind = peer.window(c);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | windowKind.style;
  if (c.visible()) style |= WS_VISIBLE;
  if (!c.enabled()) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExA(windowKind.exStyle, windowKind.windowClass, "", style, pixels(c.left()), pixels(c.top()),
                              pixels(c.width()), pixels(c.height()) + peer.extraHeight(), parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId_++)), context_.instance(), nullptr);
  context_.bind(c, hwnd);
  setNameProperty(hwnd, c.name());
  SetPropA(hwnd, indexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(c.index() + 1)));
  peer.created(c, hwnd);
  SetWindowSubclass(hwnd, mouseProc, mouseSubclass, reinterpret_cast<DWORD_PTR>(this));
  for (Prop p : initialState) update(c, p);
}

// A control that follows the mouse keeps it while a button is down, as a drag needs. A handler
// may close the control's form: the window is looked at again before it goes on.
LRESULT CALLBACK ControlWindows::mouseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  Control* c = reinterpret_cast<ControlWindows*>(self)->context_.controlAt(hwnd);
  if (c) {
    switch (message) {
      case WM_SETCURSOR:
        if (c->mousePointer() == MousePointer::Hand && LOWORD(lParam) == HTCLIENT) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN: {
        MouseEvent e = mouseEvent(wParam, lParam);
        e.button = buttonOf(message);
        if (c->onMouseMove || c->onMouseUp) {
          SetCapture(hwnd);
          SetPropA(hwnd, capturedProperty, reinterpret_cast<HANDLE>(1));
        }
        c->mouseDown(e);
        break;
      }
      case WM_MOUSEMOVE: c->mouseMove(mouseEvent(wParam, lParam)); break;
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP: {
        MouseEvent e = mouseEvent(wParam, lParam);
        e.button = buttonOf(message);
        if (RemovePropA(hwnd, capturedProperty) && GetCapture() == hwnd) ReleaseCapture();
        c->mouseUp(e);
        break;
      }
      case WM_NCDESTROY:
        RemovePropA(hwnd, capturedProperty);
        RemoveWindowSubclass(hwnd, mouseProc, mouseSubclass);
        break;
      default: break;
    }
  }
  if (!IsWindow(hwnd)) return 0;
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void ControlWindows::update(Control& c, Prop what) {
  HWND hwnd = context_.windowOf(c);
  if (!hwnd) return;
  switch (what) {
    case Prop::Geometry:
      MoveWindow(hwnd, pixels(c.left()), pixels(c.top()), pixels(c.width()), pixels(c.height()) + peerOf(c).extraHeight(),
                 TRUE);
      break;
    case Prop::Visible: ShowWindow(hwnd, c.visible() ? SW_SHOWNA : SW_HIDE); break;
    case Prop::Enabled: EnableWindow(hwnd, c.enabled()); break;
    case Prop::Font: SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(context_.fontFor(c.font())), TRUE); break;
    case Prop::ToolTip: updateToolTip(c, hwnd); break;
    case Prop::ForeColor:
    case Prop::BackColor: InvalidateRect(hwnd, nullptr, TRUE); break;
    case Prop::MousePointer: break;  // asked for whenever the pointer is over the window
    default: peerOf(c).apply(c, hwnd, what); break;
  }
}

// The form's one tool tip window knows each control with a tip by its window.
void ControlWindows::updateToolTip(const Control& c, HWND hwnd) {
  HWND tooltip = context_.toolTipWindow(c.form());
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(hwnd);
  info.uId = reinterpret_cast<UINT_PTR>(hwnd);
  info.lpszText = const_cast<char*>(c.toolTipText().c_str());
  SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (!c.toolTipText().empty()) SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ControlWindows::command(HWND child, WORD code) {
  if (Control* c = context_.controlAt(child)) peerOf(*c).command(*c, child, code);
}

std::optional<LRESULT> ControlWindows::notify(const NMHDR& header) {
  Control* c = context_.controlAt(header.hwndFrom);
  return c ? peerOf(*c).notify(*c, header) : std::nullopt;
}

std::optional<LRESULT> ControlWindows::colors(HDC dc, HWND child) {
  Control* c = context_.controlAt(child);
  return c ? peerOf(*c).colors(*c, dc) : std::nullopt;
}

UINT ControlWindows::textFormat(const Control& c) const {
  ControlPeer* peer = peers_.peerFor(c.kind());
  return peer ? peer->textFormat(c) : DT_LEFT;
}

}  // namespace tavimo::rt
