#include "runtime/win32/Win32Context.h"

#include "runtime/Controls.h"
#include "runtime/Form.h"

namespace tavimo::rt {

Win32Context::~Win32Context() {
  for (auto& [control, picture] : pictures_) picture->Release();
  for (auto& [key, font] : fonts_) DeleteObject(font);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
}

void Win32Context::registerWindowClass(const char* name, WNDPROC procedure, HICON icon) const {
  WNDCLASSA wc{};
  wc.hInstance = instance_;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hIcon = icon;
  wc.lpfnWndProc = procedure;
  wc.lpszClassName = name;
  RegisterClassA(&wc);
}

void Win32Context::bind(Control& control, HWND hwnd) {
  windows_[&control] = hwnd;
  controls_[hwnd] = &control;
}

void Win32Context::forget(const Control& control) {
  if (auto picture = pictures_.find(&control); picture != pictures_.end()) {
    picture->second->Release();
    pictures_.erase(picture);
  }
  if (HWND hwnd = windowOf(control)) controls_.erase(hwnd);
  windows_.erase(&control);
}

HWND Win32Context::windowOf(const Control& control) const {
  auto it = windows_.find(&control);
  return it == windows_.end() ? nullptr : it->second;
}

Control* Win32Context::controlAt(HWND hwnd) const {
  auto it = controls_.find(hwnd);
  return it == controls_.end() ? nullptr : it->second;
}

HWND Win32Context::toolTipWindow(const Form& form) const {
  auto it = tooltips_.find(&form);
  return it == tooltips_.end() ? nullptr : it->second;
}

HFONT Win32Context::fontFor(const Font& font) {
  int height = -static_cast<int>(std::lround(font.size * 96.0 / 72.0));
  auto key = std::make_tuple(font.name, height, font.bold, font.italic, font.underline);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  HFONT f = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, font.underline, FALSE,
                        DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
  fonts_[key] = f;
  return f;
}

HBRUSH Win32Context::brushFor(long color) {
  if (color == systemColor) return GetSysColorBrush(COLOR_BTNFACE);
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second;
  return brushes_[color] = CreateSolidBrush(colorOf(color));
}

// A shape under the control, in the same container, wins; then the frames around it.
long Win32Context::backgroundOf(const Control& control) const {
  for (const Control* other : control.form().controls()) {
    if (other->kind() != ControlKind::Shape || other->container() != control.container() || !other->visible()) continue;
    const bool covers = other->left() <= control.left() && other->top() <= control.top() &&
                        other->left() + other->width() >= control.left() + control.width() &&
                        other->top() + other->height() >= control.top() + control.height();
    if (covers && other != &control) return static_cast<const Shape*>(other)->fillColor();
  }
  for (Frame* frame = control.container(); frame; frame = frame->container())
    if (frame->backColor() != systemColor) return frame->backColor();
  return control.form().backColor();
}

void Win32Context::keepPicture(const Control& control, IPicture* picture) {
  if (auto old = pictures_.find(&control); old != pictures_.end()) old->second->Release();
  pictures_[&control] = picture;
}

IPicture* Win32Context::pictureOf(const Control& control) const {
  auto it = pictures_.find(&control);
  return it == pictures_.end() ? nullptr : it->second;
}

void Win32Context::setText(HWND hwnd, const std::string& text) {
  settingText_ = true;
  SetWindowTextA(hwnd, text.c_str());
  settingText_ = false;
}

std::string Win32Context::textOf(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  std::string text(length + 1, '\0');
  GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(length);
  return text;
}

}  // namespace tavimo::rt
