#pragma once
// What the Win32 peers of all control kinds share, kept once: the controls' windows both ways,
// each form's tool tip window, fonts and brushes, the colour behind a control, the pictures
// loaded for images, and the text the program itself puts into a window.
#include <windows.h>
#include <ocidl.h>

#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "runtime/Control.h"

namespace tavimo::rt {

constexpr int twipsPerPixel = 15;
inline int pixels(int twips) { return static_cast<int>(std::lround(twips / static_cast<double>(twipsPerPixel))); }
inline int twips(int pixels) { return pixels * twipsPerPixel; }
inline COLORREF colorOf(long color) { return static_cast<COLORREF>(color & 0xFFFFFF); }

// Forms and controls carry their names as a window property holding a global atom, so that any
// program holding a window can find them by name.
constexpr const char* nameProperty = "TavimoName";
inline void setNameProperty(HWND hwnd, const std::string& name) {
  SetPropA(hwnd, nameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(name.c_str()))));
}

class Win32Context {
 public:
  explicit Win32Context(HINSTANCE instance) : instance_(instance) {}
  ~Win32Context();
  Win32Context(const Win32Context&) = delete;
  Win32Context& operator=(const Win32Context&) = delete;

  HINSTANCE instance() const { return instance_; }
  // A window class of the program, with the arrow cursor. Registering it again, as a later
  // back end in the same program does, keeps the first, which has the same procedure.
  void registerWindowClass(const char* name, WNDPROC procedure, HICON icon = nullptr) const;

  void bind(Control& control, HWND hwnd);
  // The control's window is gone: it and its picture are let go.
  void forget(const Control& control);
  HWND windowOf(const Control& control) const;
  Control* controlAt(HWND hwnd) const;

  void setToolTipWindow(const Form& form, HWND tooltip) { tooltips_[&form] = tooltip; }
  HWND toolTipWindow(const Form& form) const;
  void forgetToolTipWindow(const Form& form) { tooltips_.erase(&form); }

  HFONT fontFor(const Font& font);
  HBRUSH brushFor(long color);
  // The colour behind a control: a shape's it lies on, its frame's, else its form's.
  long backgroundOf(const Control& control) const;

  // Takes over the reference, releasing the control's previous picture.
  void keepPicture(const Control& control, IPicture* picture);
  IPicture* pictureOf(const Control& control) const;

  // Text the program writes into a window; the change it notifies is not the user's edit.
  void setText(HWND hwnd, const std::string& text);
  bool settingText() const { return settingText_; }
  static std::string textOf(HWND hwnd);

 private:
  HINSTANCE instance_;
  std::map<const Control*, HWND> windows_;
  std::map<HWND, Control*> controls_;
  std::map<const Form*, HWND> tooltips_;
  std::map<const Control*, IPicture*> pictures_;
  std::map<std::tuple<std::string, int, bool, bool, bool>, HFONT> fonts_;
  std::map<long, HBRUSH> brushes_;
  bool settingText_ = false;
};

}  // namespace tavimo::rt
