#pragma once
// A window of the client with its named controls and its life cycle: Load when first used,
// Activate whenever it becomes the active window, QueryUnload and Unload (either may cancel),
// Resize. Unloading destroys the instance; the next use creates a fresh one and runs Load
// again, so form-level values start from their initial values.
#include <string>
#include <vector>

#include "runtime/Backend.h"
#include "runtime/Control.h"

namespace tavimo::rt {

class App;
class Control;

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };
enum class WindowState { Normal, Minimized, Maximized };
enum class StartUpPosition { Manual, CenterOwner, CenterScreen };
// Why a form is being unloaded, as QueryUnload reports it.
enum class UnloadMode { ControlMenu = 0, Code = 1, WindowsSession = 2, TaskManager = 3 };

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  // Outer position and size in twips; the client area is what the controls share.
  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void move(int left, int top, int width, int height);
  int scaleWidth() const { return scaleWidth_; }
  int scaleHeight() const { return scaleHeight_; }
  // Sets the size from the wanted client area, as a designer does.
  void setClientSize(int width, int height);

  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle style) { borderStyle_ = style; }
  StartUpPosition startUpPosition() const { return startUpPosition_; }
  void setStartUpPosition(StartUpPosition position) { startUpPosition_ = position; }
  bool controlBox() const { return controlBox_; }
  void setControlBox(bool box) { controlBox_ = box; }
  bool showInTaskbar() const { return showInTaskbar_; }
  void setShowInTaskbar(bool show) { showInTaskbar_ = show; }
  WindowState windowState() const { return windowState_; }
  void setWindowState(WindowState state);
  long backColor() const { return backColor_; }
  void setBackColor(long color);

  bool visible() const { return visible_; }
  bool loaded() const { return loaded_; }
  // Shows the form, loading it first; a modal show returns when the form is hidden or unloaded.
  void show(bool modal = false);
  void hide();
  // Unloads the form (QueryUnload and Unload may cancel). True when it is gone.
  bool unload();

  const std::vector<Control*>& controls() const { return controls_; }
  // The control with that name (and index, for control arrays); nullptr when there is none.
  Control* control(const std::string& name, int index = -1) const;
  Control* activeControl() const { return focused_; }
  // Moves the focus as the Tab key does, in tab order over the controls that can take it.
  void focusNext(bool backward = false);
  WindowHandle hWnd() const;

  // Event entry points for the application and the back ends.
  void raiseActivate() { onActivate(); }
  void raiseDeactivate() { onDeactivate(); }
  void raiseResize() { onResize(); }
  // The back end reports the real window's place and size (twips) after the user or the system
  // changed them, as when the window was centred on the screen.
  void boundsChanged(int left, int top, int width, int height, int clientWidth, int clientHeight);
  void focusChanged(Control* to);
  // The user closes the window from its control menu.
  void userClose();
  // The user (or the system) minimised, maximised or restored the window.
  void windowStateChanged(WindowState state);
  // The mouse moved over the window itself, not over one of its controls. The notification
  // area reports what happens to a window's icon this way too (the mouse message as x).
  void mouseMoved(const MouseEvent& event) { onMouseMove(event); }

 protected:
  virtual void onLoad() {}
  virtual void onActivate() {}
  virtual void onDeactivate() {}
  virtual void onQueryUnload(bool& /*cancel*/, UnloadMode /*mode*/) {}
  virtual void onUnload(bool& /*cancel*/) {}
  // Also raised when the window is minimised, maximised or restored.
  virtual void onResize() {}
  virtual void onMouseMove(const MouseEvent& /*event*/) {}

 private:
  friend class App;
  friend class Control;
  void addControl(Control& control);
  void removeControl(Control& control);
  void updateClientSize();
  Backend* backend() const;

  std::string name_;
  std::string caption_;
  int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
  int scaleWidth_ = 0, scaleHeight_ = 0;
  BorderStyle borderStyle_ = BorderStyle::Sizable;
  StartUpPosition startUpPosition_ = StartUpPosition::CenterScreen;
  bool controlBox_ = true;
  bool showInTaskbar_ = true;
  WindowState windowState_ = WindowState::Normal;
  long backColor_ = -1;
  bool visible_ = false;
  bool loaded_ = false;
  bool windowCreated_ = false;
  bool shownBefore_ = false;
  int blockedByModal_ = 0;  // modal dialogs this form waits for
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  int nextTabIndex_ = 0;
};

}  // namespace tavimo::rt
