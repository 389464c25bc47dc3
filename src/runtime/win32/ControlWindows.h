#pragma once
// The windows of a form's controls: each made as its kind's peer says, with what every kind
// does alike (place, visibility, enabled, font, tool tip, a repaint for new colours) done here
// once; the kind's own properties and the windows' notifications go to the peer.
#include <windows.h>

#include <optional>

#include "runtime/win32/PeerTable.h"
#include "runtime/win32/Win32Context.h"

namespace tavimo::rt {

class ControlWindows {
 public:
  explicit ControlWindows(Win32Context& context) : context_(context), peers_(context) {}

  // Makes the windows of all the form's controls inside the form's window.
  void create(Form& form, HWND formWindow);
  void update(Control& control, Prop what);

  // The form's share of its controls' messages: nothing where the default handling is due.
  void command(HWND child, WORD code);
  std::optional<LRESULT> notify(const NMHDR& header);
  std::optional<LRESULT> colors(HDC dc, HWND child);

  UINT textFormat(const Control& control) const;

 private:
  void create(Control& control, ControlPeer& peer, HWND formWindow);
  void updateToolTip(const Control& control, HWND hwnd);
  // Every control's window passes the mouse to its control first: buttons, moves, pointer.
  static LRESULT CALLBACK mouseProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  // Only for a control that has a window, and so a peer.
  ControlPeer& peerOf(const Control& control) const { return *peers_.peerFor(control.kind()); }

  Win32Context& context_;
  PeerTable peers_;
  int nextControlId_ = 100;
};

}  // namespace tavimo::rt
