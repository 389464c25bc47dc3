#pragma once
// The hyperlink label as a child window: it draws the caption in blue in its container's font,
// shows the link pointer, and turns mouse messages into the control's actions. One window is
// both the control and its label, so a mouse action on either is the same.
#include <windows.h>

#include "com/WindowProc.h"

#include <string>

#include "core/OHLink.h"

namespace tavimo::flexolo::com {

class OHLinkWindow final : public OHLinkView {
 public:
  OHLinkWindow(Shell& shell, OHLinkEvents& events);
  ~OHLinkWindow() override;
  OHLinkWindow(const OHLinkWindow&) = delete;
  OHLinkWindow& operator=(const OHLinkWindow&) = delete;

  OHLink& link() { return link_; }
  HWND hwnd() const { return hwnd_; }
  // The control's size in twips, as its caption needs.
  Size size() const { return size_; }

  // Creates the window as a child of parent, its top left corner at x, y (pixels).
  bool create(HWND parent, int id, int x, int y);
  void destroy();
  // The container's font, not owned; the caption is measured again in it.
  void setFont(HFONT font);

  void setLabelCaption(const std::string& caption) override;
  Size labelSize() override;
  void setControlSize(Size size) override;

 private:
  friend LRESULT CALLBACK com::ownerWindowProc<OHLinkWindow>(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  void releaseCaptureWhenNoButton(WPARAM wParam);

  OHLink link_;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::string caption_;
  Size size_;
  bool clickPending_ = false;  // the left button went down here and has not come up yet
};

}  // namespace tavimo::flexolo::com
