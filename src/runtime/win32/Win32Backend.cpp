#include "runtime/win32/Win32Backend.h"

#include <commctrl.h>
#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

#include "runtime/App.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/ListControls.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "runtime/UpDown.h"
#include "runtime/win32/FormHost.h"

namespace tavimo::rt {

namespace {
constexpr int twipsPerPixel = 15;
constexpr const char* formClass = "TavimoForm";
constexpr const char* frameClass = "TavimoFrame";
constexpr const char* imageClass = "TavimoImage";
constexpr const char* timerClass = "TavimoTimers";
constexpr const char* nameProperty = "TavimoName";
constexpr const char* indexProperty = "TavimoIndex";
constexpr UINT postedAction = WM_APP + 2;
constexpr int maxEventsPerDoEvents = 1000;

int pixels(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(twipsPerPixel))); }
int twips(int pixels) { return pixels * twipsPerPixel; }

COLORREF colorOf(long color) { return static_cast<COLORREF>(color & 0xFFFFFF); }

DWORD formStyle(const Form& form, DWORD& exStyle) {
  exStyle = form.showInTaskbar() ? WS_EX_APPWINDOW : 0;
  DWORD style = WS_CLIPCHILDREN;
  switch (form.borderStyle()) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::FixedSingle: style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; break;
    case BorderStyle::Sizable: style |= WS_OVERLAPPEDWINDOW; break;
    case BorderStyle::FixedDialog:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::FixedToolWindow:
      style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (!form.controlBox()) style &= ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  return style;
}
}  // namespace

struct Win32Backend::Impl {
  HINSTANCE instance;
  HWND timerWindow = nullptr;
  HWND hiddenOwner = nullptr;
  std::map<const Form*, HWND> forms;
  std::map<HWND, Form*> formOf;
  std::map<const Control*, HWND> controls;
  std::map<HWND, Control*> controlOf;
  std::map<const Form*, HWND> tooltips;
  std::map<const Control*, IPicture*> pictures;
  std::map<std::tuple<std::string, int, bool, bool, bool>, HFONT> fonts;
  std::map<long, HBRUSH> brushes;
  std::map<Timer*, UINT_PTR> timerIds;
  std::map<UINT_PTR, Timer*> timers;
  std::map<LPARAM, std::function<void()>> posted;
  LPARAM nextPosted = 1;
  UINT_PTR nextTimerId = 1;
  int nextControlId = 100;
  bool syncing = false;
  WNDPROC editProc = nullptr;

  static Impl* self;

  HWND windowOf(const Control& c) const {
    auto it = controls.find(&c);
    return it == controls.end() ? nullptr : it->second;
  }
  Form* formAt(HWND hwnd) const {
    auto it = formOf.find(GetAncestor(hwnd, GA_ROOT));
    return it == formOf.end() ? nullptr : it->second;
  }
  Control* controlAt(HWND hwnd) const {
    auto it = controlOf.find(hwnd);
    return it == controlOf.end() ? nullptr : it->second;
  }

  HFONT fontFor(const Font& font) {
    int height = -static_cast<int>(std::lround(font.size * 96.0 / 72.0));
    auto key = std::make_tuple(font.name, height, font.bold, font.italic, font.underline);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    HFONT f = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
    fonts[key] = f;
    return f;
  }

  HBRUSH brushFor(long color) {
    if (color == systemColor) return GetSysColorBrush(COLOR_BTNFACE);
    auto it = brushes.find(color);
    if (it != brushes.end()) return it->second;
    return brushes[color] = CreateSolidBrush(colorOf(color));
  }

  // The colour behind a control: its frame's, else its form's.
  long backgroundOf(const Control& c) const {
    for (Frame* frame = c.container(); frame; frame = frame->container())
      if (frame->backColor() != systemColor) return frame->backColor();
    return c.form().backColor();
  }

  void setText(HWND hwnd, const std::string& text) {
    syncing = true;
    SetWindowTextA(hwnd, text.c_str());
    syncing = false;
  }

  static std::string textOf(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    std::string text(length + 1, '\0');
    GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(length);
    return text;
  }

  void createControl(Control& c, HWND formWindow);
  void apply(Control& c, Prop what);
  void fillList(ListControl& list, HWND hwnd);
  void command(Control& c, WORD code, HWND hwnd);
  LRESULT colors(HDC dc, HWND child, UINT message, HWND parent);
  void paintImage(HWND hwnd);
  void paintFrame(HWND hwnd);
  bool filter(MSG& message);
  void pump(const MSG& message);
  void reportBounds(Form& form, HWND hwnd);

  static LRESULT CALLBACK formProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK imageProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK timerProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK textBoxProc(HWND, UINT, WPARAM, LPARAM);
};

Win32Backend::Impl* Win32Backend::Impl::self = nullptr;

Win32Backend::Win32Backend(HINSTANCE instance) : impl_(std::make_unique<Impl>()) {
  impl_->instance = instance;
  Impl::self = impl_.get();
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  WNDCLASSA wc{};
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = LoadIcon(instance, MAKEINTRESOURCE(1));
  if (!wc.hIcon) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.lpfnWndProc = Impl::formProc;
  wc.lpszClassName = formClass;
  RegisterClassA(&wc);
  wc.hIcon = nullptr;
  wc.lpfnWndProc = Impl::frameProc;
  wc.lpszClassName = frameClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = Impl::imageProc;
  wc.lpszClassName = imageClass;
  RegisterClassA(&wc);
  wc.lpfnWndProc = Impl::timerProc;
  wc.lpszClassName = timerClass;
  RegisterClassA(&wc);
  impl_->timerWindow = CreateWindowA(timerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  // Forms left out of the taskbar are owned by this hidden window.
  impl_->hiddenOwner = CreateWindowExA(WS_EX_TOOLWINDOW, frameClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

Win32Backend::~Win32Backend() {
  for (auto& [control, picture] : impl_->pictures) picture->Release();
  for (auto& [key, font] : impl_->fonts) DeleteObject(font);
  for (auto& [color, brush] : impl_->brushes) DeleteObject(brush);
  DestroyWindow(impl_->timerWindow);
  DestroyWindow(impl_->hiddenOwner);
  Impl::self = nullptr;
  OleUninitialize();
}

HWND Win32Backend::windowOf(const Control& control) const { return impl_->windowOf(control); }

void Win32Backend::createWindow(Form& form) {
  DWORD exStyle = 0;
  DWORD style = formStyle(form, exStyle);
  int width = pixels(form.width());
  int height = pixels(form.height());
  int x = pixels(form.left());
  int y = pixels(form.top());
  if (form.startUpPosition() != StartUpPosition::Manual) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  HWND owner = form.showInTaskbar() ? nullptr : impl_->hiddenOwner;
  HWND hwnd = CreateWindowExA(exStyle, formClass, form.caption().c_str(), style, x, y, width, height, owner, nullptr,
                              impl_->instance, nullptr);
  impl_->forms[&form] = hwnd;
  impl_->formOf[hwnd] = &form;
  SetPropA(hwnd, nameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(form.name().c_str()))));

  HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, impl_->instance, nullptr);
  impl_->tooltips[&form] = tooltip;

  // Containers first, so that every control finds its parent window.
  std::vector<Control*> pending(form.controls().begin(), form.controls().end());
  while (!pending.empty()) {
    std::vector<Control*> later;
    for (Control* c : pending) {
      if (c->container() && !impl_->windowOf(*c->container()))
        later.push_back(c);
      else
        impl_->createControl(*c, hwnd);
    }
    if (later.size() == pending.size()) break;  // a container outside this form: leave those out
    pending.swap(later);
  }
  // An up-down's buddy may have been created after it.
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::UpDown) impl_->apply(*c, Prop::Value);
  impl_->reportBounds(form, hwnd);
}

void Win32Backend::Impl::reportBounds(Form& form, HWND hwnd) {
  RECT outer, client;
  GetWindowRect(hwnd, &outer);
  if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)  // a child form's place is in its parent
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&outer), 2);
  GetClientRect(hwnd, &client);
  form.boundsChanged(twips(outer.left), twips(outer.top), twips(outer.right - outer.left), twips(outer.bottom - outer.top),
                     twips(client.right), twips(client.bottom));
}

void Win32Backend::Impl::createControl(Control& c, HWND formWindow) {
  if (c.kind() == ControlKind::Timer || c.kind() == ControlKind::UdpSocket) return;
  HWND parent = c.container() ? windowOf(*c.container()) : formWindow;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  const char* windowClass = "STATIC";
  switch (c.kind()) {
    case ControlKind::Label: style |= SS_LEFT | SS_NOTIFY; break;
    case ControlKind::TextBox:
      windowClass = "EDIT";
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::CommandButton:
      windowClass = "BUTTON";
      style |= BS_PUSHBUTTON | BS_NOTIFY | WS_TABSTOP;
      break;
    case ControlKind::CheckBox:
      windowClass = "BUTTON";
      style |= BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP;
      break;
    case ControlKind::OptionButton:
      windowClass = "BUTTON";
      style |= BS_RADIOBUTTON | BS_NOTIFY | WS_TABSTOP;
      break;
    case ControlKind::ListBox:
      windowClass = "LISTBOX";
      style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP |
               (static_cast<ListBox&>(c).multiSelect() ? LBS_EXTENDEDSEL : 0);
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::ComboBox:
      windowClass = "COMBOBOX";
      style |= WS_VSCROLL | WS_TABSTOP |
               (static_cast<ComboBox&>(c).style() == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
      break;
    case ControlKind::Frame:
      windowClass = frameClass;
      exStyle |= WS_EX_CONTROLPARENT;
      style |= WS_CLIPCHILDREN;
      break;
    case ControlKind::Image: windowClass = imageClass; break;
    case ControlKind::UpDown:
      windowClass = UPDOWN_CLASSA;
      style |= UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK;
      break;
    default: return;
  }
  if (c.visible()) style |= WS_VISIBLE;
  if (!c.enabled()) style |= WS_DISABLED;
  int height = pixels(c.height());
  if (c.kind() == ControlKind::ComboBox) height += 150;  // room for the drop-down list
  HWND hwnd = CreateWindowExA(exStyle, windowClass, "", style, pixels(c.left()), pixels(c.top()), pixels(c.width()), height,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextControlId++)), instance, nullptr);
  controls[&c] = hwnd;
  controlOf[hwnd] = &c;
  SetPropA(hwnd, nameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(c.name().c_str()))));
  SetPropA(hwnd, indexProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(c.index() + 1)));

  if (c.kind() == ControlKind::TextBox) {
    WNDPROC previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(textBoxProc)));
    editProc = previous;
  }
  for (Prop p : {Prop::Font, Prop::Caption, Prop::Text, Prop::MaxLength, Prop::PasswordChar, Prop::Locked, Prop::Value,
                 Prop::List, Prop::ListIndex, Prop::ToolTip})
    apply(c, p);
}

void Win32Backend::Impl::fillList(ListControl& list, HWND hwnd) {
  bool combo = list.kind() == ControlKind::ComboBox;
  SendMessageA(hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (int i = 0; i < list.listCount(); ++i)
    SendMessageA(hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.list(i).c_str()));
}

void Win32Backend::Impl::apply(Control& c, Prop what) {
  HWND hwnd = windowOf(c);
  if (!hwnd) return;
  switch (what) {
    case Prop::Geometry: {
      int height = pixels(c.height()) + (c.kind() == ControlKind::ComboBox ? 150 : 0);
      MoveWindow(hwnd, pixels(c.left()), pixels(c.top()), pixels(c.width()), height, TRUE);
      break;
    }
    case Prop::Visible: ShowWindow(hwnd, c.visible() ? SW_SHOWNA : SW_HIDE); break;
    case Prop::Enabled: EnableWindow(hwnd, c.enabled()); break;
    case Prop::Font: SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c.font())), TRUE); break;
    case Prop::Caption:
      switch (c.kind()) {
        case ControlKind::Label: {
          auto& label = static_cast<Label&>(c);
          LONG style = GetWindowLongA(hwnd, GWL_STYLE) & ~(SS_LEFT | SS_CENTER | SS_RIGHT | SS_NOPREFIX);
          style |= label.alignment() == Alignment::Center ? SS_CENTER : label.alignment() == Alignment::Right ? SS_RIGHT : SS_LEFT;
          if (!label.useMnemonic()) style |= SS_NOPREFIX;
          SetWindowLongA(hwnd, GWL_STYLE, style);
          setText(hwnd, label.caption());
          // A transparent label leaves its old text behind unless the parent repaints; and a
          // status text must show at once, even when the program then waits.
          RECT r;
          GetWindowRect(hwnd, &r);
          MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
          InvalidateRect(GetParent(hwnd), &r, TRUE);
          UpdateWindow(GetParent(hwnd));
          break;
        }
        case ControlKind::CommandButton: setText(hwnd, static_cast<CommandButton&>(c).caption()); break;
        case ControlKind::CheckBox: setText(hwnd, static_cast<CheckBox&>(c).caption()); break;
        case ControlKind::OptionButton: setText(hwnd, static_cast<OptionButton&>(c).caption()); break;
        case ControlKind::Frame: InvalidateRect(hwnd, nullptr, TRUE); break;
        default: break;
      }
      break;
    case Prop::Text:
      if (c.kind() == ControlKind::TextBox) setText(hwnd, static_cast<TextBox&>(c).text());
      if (c.kind() == ControlKind::ComboBox && static_cast<ComboBox&>(c).style() == ComboStyle::DropDownCombo)
        setText(hwnd, static_cast<ComboBox&>(c).text());
      break;
    case Prop::Selection:
      if (c.kind() == ControlKind::TextBox) {
        auto& box = static_cast<TextBox&>(c);
        SendMessageA(hwnd, EM_SETSEL, box.selStart(), box.selStart() + box.selLength());
      }
      break;
    case Prop::MaxLength:
      if (c.kind() == ControlKind::TextBox) SendMessageA(hwnd, EM_LIMITTEXT, static_cast<TextBox&>(c).maxLength(), 0);
      break;
    case Prop::PasswordChar:
      if (c.kind() == ControlKind::TextBox) {
        SendMessageA(hwnd, EM_SETPASSWORDCHAR, static_cast<unsigned char>(static_cast<TextBox&>(c).passwordChar()), 0);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      break;
    case Prop::Locked:
      if (c.kind() == ControlKind::TextBox) SendMessageA(hwnd, EM_SETREADONLY, static_cast<TextBox&>(c).locked(), 0);
      break;
    case Prop::Value:
      if (c.kind() == ControlKind::UpDown) {
        // The arrows only ask: UDN_DELTAPOS hands each step to the control, which writes the
        // buddy itself. The buddy lets the arrow keys in the text box step as well.
        auto& upDown = static_cast<UpDown&>(c);
        SendMessageA(hwnd, UDM_SETRANGE32, upDown.min(), upDown.max());
        SendMessageA(hwnd, UDM_SETPOS32, 0, upDown.value());
        if (HWND buddy = upDown.buddy() ? windowOf(*upDown.buddy()) : nullptr)
          SendMessageA(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
      }
      if (c.kind() == ControlKind::CheckBox) SendMessageA(hwnd, BM_SETCHECK, static_cast<CheckBox&>(c).value(), 0);
      if (c.kind() == ControlKind::OptionButton)
        SendMessageA(hwnd, BM_SETCHECK, static_cast<OptionButton&>(c).value() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Prop::List:
      if (c.kind() == ControlKind::ListBox || c.kind() == ControlKind::ComboBox) {
        fillList(static_cast<ListControl&>(c), hwnd);
        apply(c, Prop::ListIndex);
      }
      break;
    case Prop::ListIndex:
      if (c.kind() == ControlKind::ComboBox) SendMessageA(hwnd, CB_SETCURSEL, static_cast<ComboBox&>(c).listIndex(), 0);
      if (c.kind() == ControlKind::ListBox) {
        auto& list = static_cast<ListBox&>(c);
        if (list.multiSelect())
          for (int i = 0; i < list.listCount(); ++i) SendMessageA(hwnd, LB_SETSEL, list.selected(i), i);
        else
          SendMessageA(hwnd, LB_SETCURSEL, list.listIndex(), 0);
      }
      break;
    case Prop::ToolTip: {
      HWND tooltip = tooltips[&c.form()];
      TOOLINFOA info{};
      info.cbSize = sizeof info;
      info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      info.hwnd = GetParent(hwnd);
      info.uId = reinterpret_cast<UINT_PTR>(hwnd);
      info.lpszText = const_cast<char*>(c.toolTipText().c_str());
      SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
      if (!c.toolTipText().empty()) SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
      break;
    }
    case Prop::ForeColor:
    case Prop::BackColor:
    case Prop::Picture: InvalidateRect(hwnd, nullptr, TRUE); break;
    default: break;
  }
}

void Win32Backend::destroyWindow(Form& form) {
  auto it = impl_->forms.find(&form);
  if (it == impl_->forms.end()) return;
  HWND hwnd = it->second;
  for (Control* c : form.controls()) {
    if (auto picture = impl_->pictures.find(c); picture != impl_->pictures.end()) {
      picture->second->Release();
      impl_->pictures.erase(picture);
    }
    if (HWND child = impl_->windowOf(*c)) impl_->controlOf.erase(child);
    impl_->controls.erase(c);
  }
  impl_->forms.erase(it);
  impl_->formOf.erase(hwnd);
  impl_->tooltips.erase(&form);
  DestroyWindow(hwnd);
}

void Win32Backend::showWindow(Form& form, bool visible) {
  HWND hwnd = impl_->forms[&form];
  if (!visible) {
    ShowWindow(hwnd, SW_HIDE);
    return;
  }
  int show = form.windowState() == WindowState::Minimized   ? SW_SHOWMINIMIZED
             : form.windowState() == WindowState::Maximized ? SW_SHOWMAXIMIZED
                                                            : SW_SHOW;
  ShowWindow(hwnd, show);
  activateWindow(form);
}

void Win32Backend::activateWindow(Form& form) {
  HWND hwnd = impl_->forms[&form];
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  // Without a window manager the system may not report the activation; the program's own
  // notion of the active form must not depend on that.
  app().formActivated(form);
}

void Win32Backend::updateForm(Form& form, Prop what) {
  HWND hwnd = impl_->forms[&form];
  switch (what) {
    case Prop::Caption: SetWindowTextA(hwnd, form.caption().c_str()); break;
    case Prop::Geometry:
      MoveWindow(hwnd, pixels(form.left()), pixels(form.top()), pixels(form.width()), pixels(form.height()), TRUE);
      break;
    case Prop::WindowState:
      if (IsWindowVisible(hwnd))
        ShowWindow(hwnd, form.windowState() == WindowState::Minimized   ? SW_MINIMIZE
                         : form.windowState() == WindowState::Maximized ? SW_MAXIMIZE
                                                                        : SW_RESTORE);
      break;
    case Prop::BackColor: InvalidateRect(hwnd, nullptr, TRUE); break;
    default: break;
  }
}

void Win32Backend::updateControl(Control& control, Prop what) { impl_->apply(control, what); }

void Win32Backend::focusControl(Control& control) {
  if (HWND hwnd = impl_->windowOf(control)) SetFocus(hwnd);
}

void Win32Backend::enableForm(Form& form, bool enabled) { EnableWindow(impl_->forms[&form], enabled); }

WindowHandle Win32Backend::handleOf(const Form& form) const {
  auto it = impl_->forms.find(&form);
  return it == impl_->forms.end() ? 0 : reinterpret_cast<WindowHandle>(it->second);
}

std::optional<PictureSize> Win32Backend::loadPicture(Control& control, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty()) return std::nullopt;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!memory) return std::nullopt;
  memcpy(GlobalLock(memory), bytes.data(), bytes.size());
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return std::nullopt;
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  if (FAILED(hr) || !picture) return std::nullopt;
  if (auto old = impl_->pictures.find(&control); old != impl_->pictures.end()) old->second->Release();
  impl_->pictures[&control] = picture;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  return PictureSize{twips(MulDiv(width, 96, 2540)), twips(MulDiv(height, 96, 2540))};
}

std::unique_ptr<LateBoundObject> Win32Backend::createObject(Form& form, const std::string& progId) {
  return createComObject(form, progId);
}

PictureSize Win32Backend::textSize(Control& control, const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, impl_->fontFor(control.font()));
  RECT r{0, 0, 0, 0};
  bool literal = control.kind() == ControlKind::Label && !static_cast<Label&>(control).useMnemonic();
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_LEFT | (literal ? DT_NOPREFIX : 0));
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {twips(r.right), twips(r.bottom)};
}

PictureSize Win32Backend::screenSize() {
  return {twips(GetSystemMetrics(SM_CXVIRTUALSCREEN)), twips(GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

std::string Win32Backend::programFile() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

// Whole seconds and the remainder apart: counter × 10^6 would overflow after some days.
std::uint64_t Win32Backend::microsecondCount() {
  static const std::uint64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<std::uint64_t>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  const auto count = static_cast<std::uint64_t>(counter.QuadPart);
  return count / frequency * 1'000'000 + count % frequency * 1'000'000 / frequency;
}

void Win32Backend::startTimer(Timer& timer) {
  UINT_PTR id = impl_->nextTimerId++;
  impl_->timerIds[&timer] = id;
  impl_->timers[id] = &timer;
  SetTimer(impl_->timerWindow, id, static_cast<UINT>(timer.interval()), nullptr);
}

void Win32Backend::stopTimer(Timer& timer) {
  auto it = impl_->timerIds.find(&timer);
  if (it == impl_->timerIds.end()) return;
  KillTimer(impl_->timerWindow, it->second);
  impl_->timers.erase(it->second);
  impl_->timerIds.erase(it);
}

// The one place where keys are taken before the controls see them: Tab moves the focus
// through the form's own tab order.
bool Win32Backend::Impl::filter(MSG& message) {
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    if (Form* form = formAt(message.hwnd)) {
      form->focusNext(GetKeyState(VK_SHIFT) < 0);
      return true;
    }
  }
  return false;
}

void Win32Backend::Impl::pump(const MSG& message) {
  MSG m = message;
  if (filter(m)) return;
  TranslateMessage(&m);
  DispatchMessageA(&m);
}

void Win32Backend::runUntil(const std::function<bool()>& done, Form* modal) {
  MSG message;
  while (!done()) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return;
    impl_->pump(message);
    if (!modal) app().collectUnloaded();
  }
}

void Win32Backend::post(std::function<void()> action) {
  LPARAM id = impl_->nextPosted++;
  impl_->posted[id] = std::move(action);
  PostMessageA(impl_->timerWindow, postedAction, 0, id);
}

// Handles what is waiting now, each timer at most once: a timer whose handler takes longer than
// its interval is due again at once and would otherwise keep DoEvents from returning.
void Win32Backend::doEvents() {
  std::vector<std::pair<HWND, WPARAM>> timersHandled;
  MSG message;
  for (int handled = 0; handled < maxEventsPerDoEvents; ++handled) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) return;
    if (message.message == WM_TIMER) {
      std::pair<HWND, WPARAM> timer{message.hwnd, message.wParam};
      if (std::find(timersHandled.begin(), timersHandled.end(), timer) != timersHandled.end()) return;
      timersHandled.push_back(timer);
    }
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    impl_->pump(message);
  }
}

int Win32Backend::messageBox(const std::string& prompt, int style, const std::string& title) {
  // Owned by the active window, the box stays above it even when that window is topmost (a
  // box without an owner may open under it, where nobody can answer it). Every other window
  // of the client waits as well, as for any of its dialogs.
  HWND owner = GetActiveWindow();
  std::vector<HWND> waiting;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* windows = reinterpret_cast<std::vector<HWND>*>(data);
        if (IsWindowEnabled(hwnd)) windows->push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&waiting));
  waiting.erase(std::remove(waiting.begin(), waiting.end(), owner), waiting.end());
  for (HWND hwnd : waiting) EnableWindow(hwnd, FALSE);
  UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
  int answer = MessageBoxA(owner, prompt.c_str(), title.c_str(), static_cast<UINT>(style) | modality | MB_TOPMOST | MB_SETFOREGROUND);
  for (HWND hwnd : waiting) EnableWindow(hwnd, TRUE);
  return answer;
}

void Win32Backend::endProgram() { ExitProcess(0); }

void Win32Backend::Impl::command(Control& c, WORD code, HWND hwnd) {
  auto focus = [&c] { c.form().focusChanged(&c); };
  switch (c.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      if (code == BN_CLICKED) static_cast<Clickable&>(c).userClick();
      if (code == BN_SETFOCUS) focus();
      break;
    case ControlKind::TextBox:
      if (code == EN_CHANGE && !syncing) static_cast<TextBox&>(c).textEdited(textOf(hwnd));
      if (code == EN_SETFOCUS) focus();
      break;
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE) {
        auto& list = static_cast<ListBox&>(c);
        if (list.multiSelect())
          for (int i = 0; i < list.listCount(); ++i) list.setSelected(i, SendMessageA(hwnd, LB_GETSEL, i, 0) > 0);
        list.userSelected(static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)));
      }
      if (code == LBN_SETFOCUS) focus();
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE) static_cast<ComboBox&>(c).userSelected(static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0)));
      if (code == CBN_EDITCHANGE) static_cast<ComboBox&>(c).textEdited(textOf(hwnd));
      if (code == CBN_SETFOCUS) focus();
      break;
    default: break;
  }
}

LRESULT Win32Backend::Impl::colors(HDC dc, HWND child, UINT message, HWND parent) {
  Control* c = controlAt(child);
  if (!c) return DefWindowProcA(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
  if (c->foreColor() != systemColor) SetTextColor(dc, colorOf(c->foreColor()));
  bool transparent = c->kind() == ControlKind::Label && static_cast<Label*>(c)->transparent();
  long back = c->backColor();
  bool editable = c->kind() == ControlKind::TextBox || c->kind() == ControlKind::ListBox || c->kind() == ControlKind::ComboBox;
  if (back == systemColor || transparent) {
    if (editable) {
      if (c->foreColor() == systemColor) return DefWindowProcA(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    back = backgroundOf(*c);
  }
  SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
  SetBkColor(dc, back == systemColor ? GetSysColor(COLOR_BTNFACE) : colorOf(back));
  return reinterpret_cast<LRESULT>(brushFor(back));
}

void Win32Backend::Impl::paintImage(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  Control* c = controlAt(hwnd);
  auto it = c ? pictures.find(c) : pictures.end();
  if (it != pictures.end()) {
    IPicture* picture = it->second;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    RECT r;
    GetClientRect(hwnd, &r);
    bool stretch = static_cast<Image*>(c)->stretch();
    int cx = stretch ? r.right : MulDiv(width, 96, 2540);
    int cy = stretch ? r.bottom : MulDiv(height, 96, 2540);
    // A picture shown smaller keeps its detail only when its pixels are averaged.
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    picture->Render(dc, 0, 0, cx, cy, 0, height, width, -height, &r);
  }
  EndPaint(hwnd, &ps);
}

// A frame draws its own etched border with the caption set into the top line.
void Win32Backend::Impl::paintFrame(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  auto* frame = static_cast<Frame*>(controlAt(hwnd));
  RECT r;
  GetClientRect(hwnd, &r);
  long back = frame ? (frame->backColor() != systemColor ? frame->backColor() : backgroundOf(*frame)) : systemColor;
  FillRect(dc, &r, brushFor(back));
  if (frame && frame->border()) {
    HGDIOBJ oldFont = SelectObject(dc, fontFor(frame->font()));
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

LRESULT CALLBACK Win32Backend::Impl::formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Impl* impl = self;
  Form* form = nullptr;
  if (impl) {
    auto it = impl->formOf.find(hwnd);
    if (it != impl->formOf.end()) form = it->second;
  }
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND:
      if (Control* c = impl->controlAt(reinterpret_cast<HWND>(lParam)))
        impl->command(*c, HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* c = impl->controlAt(header->hwndFrom);
      if (c && c->kind() == ControlKind::UpDown && header->code == UDN_DELTAPOS) {
        static_cast<UpDown*>(c)->spin(reinterpret_cast<NMUPDOWN*>(lParam)->iDelta > 0 ? 1 : -1);
        return 1;
      }
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return impl->colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message, hwnd);
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) app().formActivated(*form);
      break;
    case WM_SETFOCUS:
      if (Control* focused = form->activeControl())
        if (HWND target = impl->windowOf(*focused)) {
          SetFocus(target);
          return 0;
        }
      break;
    case WM_CLOSE: form->userClose(); return 0;
    case WM_MOVE:
    case WM_SIZE: impl->reportBounds(*form, hwnd); return 0;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, impl->brushFor(form->backColor()));
      return 1;
    }
    default: break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Frames pass their children's notifications on to the form, which handles every control.
LRESULT CALLBACK Win32Backend::Impl::frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Impl* impl = self;
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
    case WM_PAINT:
      if (impl) {
        impl->paintFrame(hwnd);
        return 0;
      }
      break;
    default: break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Backend::Impl::imageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && self) {
    self->paintImage(hwnd);
    return 0;
  }
  if (message == WM_ERASEBKGND && self) {
    Control* c = self->controlAt(hwnd);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, self->brushFor(c ? self->backgroundOf(*c) : systemColor));
    return 1;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Backend::Impl::timerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && self) {
    auto it = self->timers.find(wParam);
    if (it != self->timers.end()) it->second->fire();
    return 0;
  }
  if (message == postedAction && self) {
    auto it = self->posted.find(lParam);
    if (it == self->posted.end()) return 0;
    auto action = std::move(it->second);
    self->posted.erase(it);
    action();
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// KeyPress: the text box's handler sees each typed character first and may swallow it
// (key 0) or replace it.
LRESULT CALLBACK Win32Backend::Impl::textBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Impl* impl = self;
  WNDPROC original = impl ? impl->editProc : nullptr;
  if (!original) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_CHAR) {
    auto* box = static_cast<TextBox*>(impl->controlAt(hwnd));
    if (box && box->onKeyPress) {
      int key = static_cast<int>(wParam);
      box->onKeyPress(key);
      if (key == 0 || !IsWindow(hwnd)) return 0;
      wParam = static_cast<WPARAM>(key);
    }
  }
  return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

}  // namespace tavimo::rt
