#pragma once
// The Win32 side of one kind of control: the window it is made of, how a change of one of the
// kind's own properties reaches that window, and what the window's notifications mean to the
// control. What all kinds do alike (place, visibility, font, tool tip) is ControlWindows' part.
#include <windows.h>

#include <memory>
#include <optional>

#include "runtime/Backend.h"
#include "runtime/win32/Win32Context.h"

namespace tavimo::rt {

// The kind of window a control is made of: its class, and the styles beyond those of every control.
struct WindowKind {
  const char* windowClass;
  DWORD style = 0;
  DWORD exStyle = 0;
};

class ControlPeer {
 public:
  explicit ControlPeer(Win32Context& context) : context_(context) {}
  virtual ~ControlPeer() = default;
  ControlPeer(const ControlPeer&) = delete;
  ControlPeer& operator=(const ControlPeer&) = delete;

  virtual WindowKind window(const Control& control) const = 0;
  // Pixels the window takes below the control's own height.
  virtual int extraHeight() const { return 0; }
  // The window exists and is bound to the control; it takes the control's state next.
  virtual void created(Control&, HWND) {}
  // Every window of the control's form exists.
  virtual void formComplete(Control&, HWND) {}
  virtual void apply(Control&, HWND, Prop) {}
  // WM_COMMAND from the window.
  virtual void command(Control&, HWND, WORD) {}
  // WM_NOTIFY from the window: the result, or nothing for the default handling.
  virtual std::optional<LRESULT> notify(Control&, const NMHDR&) { return std::nullopt; }
  // WM_CTLCOLOR... for the window: the brush, or nothing for the system's colours.
  virtual std::optional<LRESULT> colors(Control& control, HDC dc) { return surfaceColors(control, dc, false); }
  // DrawText flags that measure the control's text as the window shows it.
  virtual UINT textFormat(const Control&) const { return DT_LEFT; }

 protected:
  // A control drawn on its container: without a colour of its own it shows the container's.
  LRESULT surfaceColors(const Control& control, HDC dc, bool transparent);
  // A field the user types or picks in: the system's window colour unless the control has its own.
  std::optional<LRESULT> fieldColors(const Control& control, HDC dc);
  static void focused(Control& control);

  Win32Context& context_;
};

}  // namespace tavimo::rt
