#include "TestForm.h"

namespace flexolo_test {
namespace {

constexpr char formClass[] = "FlexoloTestForm";
// Without a caption and shown without activation: on a display without a window manager, Wine
// waits two seconds when it takes away a captioned or an active window. Nothing here needs
// either, and the form is a real top-level window all the same.
constexpr DWORD formStyle = WS_POPUP | WS_BORDER | WS_CLIPCHILDREN;

void registerFormClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = formClass;
  RegisterClassA(&wc);  // fails harmlessly when a previous form registered it
}

}  // namespace

TestForm::TestForm(int width, int height) {
  registerFormClass();
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  hwnd_ = CreateWindowExA(0, formClass, "frmstart", formStyle, 40, 40, 100, 100, nullptr,
                          nullptr, GetModuleHandleA(nullptr), nullptr);
  setClientSize(width, height);
  ShowWindow(hwnd_, SW_SHOWNA);
}

TestForm::~TestForm() { DestroyWindow(hwnd_); }

int TestForm::pixels(LONG twips) const { return MulDiv(twips, dpi_, 1440); }
int TestForm::twips(int pixels) const { return MulDiv(pixels, 1440, dpi_); }

void TestForm::setClientSize(int width, int height) {
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, formStyle, FALSE, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TestForm::addWindow(const std::string& name, LONG index, const char* windowClass, Kind kind,
                        LONG left, LONG top, LONG width, LONG height) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER;
  // The window keeps the height it is given; IntegralHeight is the form's own property.
  if (kind == Kind::ListBox) style |= WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
  if (kind == Kind::FixedHeight) style |= CBS_DROPDOWNLIST;
  Control control{name, index, kind};
  control.hwnd = CreateWindowExA(0, windowClass, name.c_str(), style, 0, 0, 0, 0, hwnd_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
  control.a = left;
  control.b = top;
  control.c = width;
  control.d = height;
  place(control);
  controls_.push_back(control);
  return static_cast<int>(controls_.size()) - 1;
}

int TestForm::addLine(const std::string& name, LONG x1, LONG y1, LONG x2, LONG y2) {
  controls_.push_back({name, FLEXOLO_NO_INDEX, Kind::Line, nullptr, x1, y1, x2, y2});
  return static_cast<int>(controls_.size()) - 1;
}

int TestForm::addTimer(const std::string& name) {
  controls_.push_back({name, FLEXOLO_NO_INDEX, Kind::Timer});
  return static_cast<int>(controls_.size()) - 1;
}

void TestForm::place(const Control& control) {
  if (control.hwnd)
    MoveWindow(control.hwnd, pixels(control.a), pixels(control.b), pixels(control.c),
               pixels(control.d), TRUE);
}

RECT TestForm::windowRect(int number) const {
  RECT rect{};
  GetWindowRect(controls_[number].hwnd, &rect);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HRESULT TestForm::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IFlexoloHost) return E_NOINTERFACE;
  *out = static_cast<IFlexoloHost*>(this);
  AddRef();
  return S_OK;
}

HRESULT TestForm::GetFormMeasures(FlexoloFormMeasures* measures) {
  RECT outer, inner;
  if (!GetWindowRect(hwnd_, &outer) || !GetClientRect(hwnd_, &inner)) return E_FAIL;
  measures->top = twips(outer.top);
  measures->left = twips(outer.left);
  measures->height = twips(outer.bottom - outer.top);
  measures->width = twips(outer.right - outer.left);
  measures->scaleHeight = twips(inner.bottom);
  measures->scaleWidth = twips(inner.right);
  measures->minimized = IsIconic(hwnd_);
  measures->mdiChild = FALSE;
  return S_OK;
}

HRESULT TestForm::SetFormSize(LONG height, LONG width) {
  return SetWindowPos(hwnd_, nullptr, 0, 0, pixels(width), pixels(height),
                      SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE)
             ? S_OK
             : E_FAIL;
}

HRESULT TestForm::GetControlCount(LONG* count) {
  *count = static_cast<LONG>(controls_.size());
  return S_OK;
}

HRESULT TestForm::GetControl(LONG number, BSTR* name, LONG* index, BOOL* isLine) {
  if (number < 0 || number >= static_cast<LONG>(controls_.size())) return E_INVALIDARG;
  const Control& control = controls_[number];
  std::wstring wide(control.name.begin(), control.name.end());
  *name = SysAllocString(wide.c_str());
  *index = control.index;
  *isLine = control.kind == Kind::Line;
  return S_OK;
}

LONG* TestForm::field(LONG number, FlexoloProperty property) {
  if (number < 0 || number >= static_cast<LONG>(controls_.size())) return nullptr;
  Control& control = controls_[number];
  const bool isLine = control.kind == Kind::Line;
  if (control.kind == Kind::Timer) return nullptr;
  switch (property) {
    case FLEXOLO_LEFT: return isLine ? nullptr : &control.a;
    case FLEXOLO_TOP: return isLine ? nullptr : &control.b;
    case FLEXOLO_WIDTH: return isLine ? nullptr : &control.c;
    case FLEXOLO_HEIGHT: return isLine ? nullptr : &control.d;
    case FLEXOLO_X1: return isLine ? &control.a : nullptr;
    case FLEXOLO_Y1: return isLine ? &control.b : nullptr;
    case FLEXOLO_X2: return isLine ? &control.c : nullptr;
    case FLEXOLO_Y2: return isLine ? &control.d : nullptr;
    case FLEXOLO_INTEGRAL_HEIGHT: return nullptr;
  }
  return nullptr;
}

HRESULT TestForm::GetProperty(LONG number, FlexoloProperty property, LONG* value) {
  if (property == FLEXOLO_INTEGRAL_HEIGHT) {
    if (number < 0 || number >= static_cast<LONG>(controls_.size()) ||
        controls_[number].kind != Kind::ListBox)
      return DISP_E_MEMBERNOTFOUND;
    *value = controls_[number].integralHeight ? -1 : 0;
    return S_OK;
  }
  LONG* source = field(number, property);
  if (!source) return DISP_E_MEMBERNOTFOUND;
  *value = *source;
  return S_OK;
}

HRESULT TestForm::SetProperty(LONG number, FlexoloProperty property, LONG value) {
  if (property == FLEXOLO_INTEGRAL_HEIGHT) {
    if (number < 0 || number >= static_cast<LONG>(controls_.size()) ||
        controls_[number].kind != Kind::ListBox)
      return DISP_E_MEMBERNOTFOUND;
    controls_[number].integralHeight = value != 0;
    return S_OK;
  }
  LONG* target = field(number, property);
  if (!target) return DISP_E_MEMBERNOTFOUND;
  *target = value;
  place(controls_[number]);
  return S_OK;
}

HRESULT TestForm::Move(LONG number, LONG argCount, LONG left, LONG top, LONG width,
                       LONG height) {
  if (number < 0 || number >= static_cast<LONG>(controls_.size())) return E_INVALIDARG;
  Control& control = controls_[number];
  if (!control.hwnd || argCount < 2 || argCount > 4) return E_FAIL;
  if (control.kind == Kind::FixedHeight && argCount == 4) return E_FAIL;
  control.a = left;
  control.b = top;
  if (argCount >= 3) control.c = width;
  if (argCount == 4) control.d = height;
  place(control);
  return S_OK;
}

}  // namespace flexolo_test
