#include "runtime/win32/Win32Backend.h"

#include <commctrl.h>
#include <olectl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "runtime/App.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "runtime/win32/ControlWindows.h"
#include "runtime/win32/FormHost.h"
#include "runtime/win32/Win32Context.h"

namespace tavimo::rt {

namespace {
constexpr const char* formClass = "TavimoForm";
constexpr const char* timerClass = "TavimoTimers";
constexpr UINT postedAction = WM_APP + 2;
constexpr int maxEventsPerDoEvents = 1000;

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
  explicit Impl(HINSTANCE instance) : context(instance), controls(context) {}

  Win32Context context;
  ControlWindows controls;
  HWND timerWindow = nullptr;
  HWND hiddenOwner = nullptr;
  std::map<const Form*, HWND> forms;
  std::map<HWND, Form*> formOf;
  std::map<Timer*, UINT_PTR> timerIds;
  std::map<UINT_PTR, Timer*> timers;
  std::map<LPARAM, std::function<void()>> posted;
  LPARAM nextPosted = 1;
  UINT_PTR nextTimerId = 1;

  static Impl* self;

  Form* formAt(HWND hwnd) const {
    auto it = formOf.find(GetAncestor(hwnd, GA_ROOT));
    return it == formOf.end() ? nullptr : it->second;
  }

  bool filter(MSG& message);
  void pump(const MSG& message);
  static bool peekFairly(MSG& message, UINT remove);
  std::optional<PictureSize> keep(Control& control, IPicture* picture);
  void reportBounds(Form& form, HWND hwnd);

  static LRESULT CALLBACK formProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK timerProc(HWND, UINT, WPARAM, LPARAM);
};

Win32Backend::Impl* Win32Backend::Impl::self = nullptr;

Win32Backend::Win32Backend(HINSTANCE instance) {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  impl_ = std::make_unique<Impl>(instance);
  Impl::self = impl_.get();

  HICON icon = LoadIcon(instance, MAKEINTRESOURCE(1));
  impl_->context.registerWindowClass(formClass, Impl::formProc, icon ? icon : LoadIcon(nullptr, IDI_APPLICATION));
  impl_->context.registerWindowClass(timerClass, Impl::timerProc);
  impl_->timerWindow = CreateWindowA(timerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  // Forms left out of the taskbar are owned by this hidden window.
  impl_->hiddenOwner = CreateWindowExA(WS_EX_TOOLWINDOW, formClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

Win32Backend::~Win32Backend() {
  DestroyWindow(impl_->timerWindow);
  DestroyWindow(impl_->hiddenOwner);
  Impl::self = nullptr;
  impl_.reset();  // pictures, fonts and brushes, while OLE is still there
  OleUninitialize();
}

HWND Win32Backend::windowOf(const Control& control) const { return impl_->context.windowOf(control); }

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
  HINSTANCE instance = impl_->context.instance();
  HWND hwnd = CreateWindowExA(exStyle, formClass, form.caption().c_str(), style, x, y, width, height, owner, nullptr,
                              instance, nullptr);
  impl_->forms[&form] = hwnd;
  impl_->formOf[hwnd] = &form;
  setNameProperty(hwnd, form.name());

  HWND tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance, nullptr);
  impl_->context.setToolTipWindow(form, tooltip);
  impl_->controls.create(form, hwnd);
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

void Win32Backend::destroyWindow(Form& form) {
  auto it = impl_->forms.find(&form);
  if (it == impl_->forms.end()) return;
  HWND hwnd = it->second;
  for (Control* c : form.controls()) impl_->context.forget(*c);
  impl_->forms.erase(it);
  impl_->formOf.erase(hwnd);
  impl_->context.forgetToolTipWindow(form);
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

void Win32Backend::updateControl(Control& control, Prop what) { impl_->controls.update(control, what); }

void Win32Backend::focusControl(Control& control) {
  if (HWND hwnd = impl_->context.windowOf(control)) SetFocus(hwnd);
}

void Win32Backend::enableForm(Form& form, bool enabled) { EnableWindow(impl_->forms[&form], enabled); }

WindowHandle Win32Backend::handleOf(const Form& form) const {
  auto it = impl_->forms.find(&form);
  return it == impl_->forms.end() ? 0 : reinterpret_cast<WindowHandle>(it->second);
}

namespace {
// A picture from its file's bytes (BMP, GIF, JPEG, icon), as the system's picture object reads it.
IPicture* pictureFromBytes(const void* bytes, std::size_t size) {
  if (size == 0) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
    GlobalFree(memory);
    return nullptr;
  }
  IPicture* picture = nullptr;
  HRESULT hr = OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture, reinterpret_cast<void**>(&picture));
  stream->Release();
  return SUCCEEDED(hr) ? picture : nullptr;
}
}  // namespace

std::optional<PictureSize> Win32Backend::Impl::keep(Control& control, IPicture* picture) {
  if (!picture) return std::nullopt;
  context.keepPicture(control, picture);
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture->get_Width(&width);
  picture->get_Height(&height);
  return PictureSize{twips(MulDiv(width, 96, 2540)), twips(MulDiv(height, 96, 2540))};
}

std::optional<PictureSize> Win32Backend::loadPicture(Control& control, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return impl_->keep(control, pictureFromBytes(bytes.data(), bytes.size()));
}

std::optional<PictureSize> Win32Backend::loadResourcePicture(Control& control, const std::string& name) {
  HMODULE program = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(program, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(program, resource) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return impl_->keep(control, pictureFromBytes(bytes, SizeofResource(program, resource)));
}

std::unique_ptr<LateBoundObject> Win32Backend::createObject(Form& form, const std::string& progId) {
  return createComObject(form, progId);
}

PictureSize Win32Backend::textSize(Control& control, const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, impl_->context.fontFor(control.font()));
  RECT r{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | impl_->controls.textFormat(control));
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

// Windows hands out posted messages (the sockets' events among them) before input, painting
// and timers: a stream of datagrams would stop the session's clock and freeze the window. So
// what is waiting of those goes first, then the rest in the usual order. `remove` is
// PM_REMOVE or PM_NOREMOVE.
bool Win32Backend::Impl::peekFairly(MSG& message, UINT remove) {
  return PeekMessageA(&message, nullptr, 0, 0, remove | PM_QS_INPUT | PM_QS_PAINT) ||
         PeekMessageA(&message, nullptr, WM_TIMER, WM_TIMER, remove) || PeekMessageA(&message, nullptr, 0, 0, remove);
}

void Win32Backend::runUntil(const std::function<bool()>& done, Form* modal) {
  MSG message;
  while (!done()) {
    if (!impl_->peekFairly(message, PM_REMOVE) && GetMessageA(&message, nullptr, 0, 0) <= 0) return;
    // A quit request taken by the peek ends the loop as GetMessage's would.
    if (message.message == WM_QUIT) return;
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
    if (!impl_->peekFairly(message, PM_NOREMOVE)) return;
    if (message.message == WM_TIMER) {
      std::pair<HWND, WPARAM> timer{message.hwnd, message.wParam};
      if (std::find(timersHandled.begin(), timersHandled.end(), timer) != timersHandled.end()) return;
      timersHandled.push_back(timer);
    }
    if (!impl_->peekFairly(message, PM_REMOVE)) return;
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

LRESULT CALLBACK Win32Backend::Impl::formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Impl* impl = self;
  Form* form = nullptr;
  if (impl) {
    auto it = impl->formOf.find(hwnd);
    if (it != impl->formOf.end()) form = it->second;
  }
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_COMMAND: impl->controls.command(reinterpret_cast<HWND>(lParam), HIWORD(wParam)); return 0;
    case WM_NOTIFY:
      if (auto result = impl->controls.notify(*reinterpret_cast<NMHDR*>(lParam))) return *result;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (auto brush = impl->controls.colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) return *brush;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) app().formActivated(*form);
      break;
    case WM_SETFOCUS:
      if (Control* focused = form->activeControl())
        if (HWND target = impl->context.windowOf(*focused)) {
          SetFocus(target);
          return 0;
        }
      break;
    case WM_CLOSE: form->userClose(); return 0;
    // The notification area reports what happens to a window's icon as a mouse move too.
    case WM_MOUSEMOVE:
      form->mouseMoved({0, 0, twips(static_cast<short>(LOWORD(lParam))), twips(static_cast<short>(HIWORD(lParam)))});
      return 0;
    case WM_SIZE:
      // A minimised window has no place of its own to report.
      if (wParam == SIZE_MINIMIZED) {
        form->windowStateChanged(WindowState::Minimized);
        return 0;
      }
      form->windowStateChanged(wParam == SIZE_MAXIMIZED ? WindowState::Maximized : WindowState::Normal);
      impl->reportBounds(*form, hwnd);
      return 0;
    case WM_MOVE:
      if (!IsIconic(hwnd)) impl->reportBounds(*form, hwnd);
      return 0;
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, impl->context.brushFor(form->backColor()));
      return 1;
    }
    default: break;
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

}  // namespace tavimo::rt
