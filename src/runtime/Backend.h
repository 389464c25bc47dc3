#pragma once
// What the form runtime needs from a windowing system. Two implementations: real Win32
// windows, and a headless one on a virtual clock for tests.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tavimo::rt {

class Form;
class Control;
class Timer;
class LateBoundObject;

using WindowHandle = std::uintptr_t;

// Which part of a control's or form's state changed, so a back end updates only that.
enum class Prop {
  Geometry, Visible, Enabled, Caption, Text, ForeColor, BackColor, Font, Value, List,
  ListIndex, Picture, MaxLength, PasswordChar, Locked, ToolTip, Selection, WindowState, Icon,
  MousePointer, FillColor
};

struct PictureSize {
  int width = 0;   // twips
  int height = 0;  // twips
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Windows. createWindow makes the form's window and all its controls, hidden.
  virtual void createWindow(Form& form) = 0;
  virtual void destroyWindow(Form& form) = 0;
  // Showing a window makes it the active one.
  virtual void showWindow(Form& form, bool visible) = 0;
  virtual void activateWindow(Form& form) = 0;
  virtual void updateForm(Form& form, Prop what) = 0;
  virtual void updateControl(Control& control, Prop what) = 0;
  virtual void focusControl(Control& control) = 0;
  virtual void enableForm(Form& form, bool enabled) = 0;
  virtual WindowHandle handleOf(const Form& form) const = 0;
  // Loads a picture file for an image control; nothing when it cannot be read.
  virtual std::optional<PictureSize> loadPicture(Control& control, const std::string& path) = 0;
  // The same for a picture built into the program under that name.
  virtual std::optional<PictureSize> loadResourcePicture(Control& control, const std::string& name) = 0;
  // An object of another library for the form, by its programmatic identifier; nothing when
  // the library is not installed.
  virtual std::unique_ptr<LateBoundObject> createObject(Form& form, const std::string& progId) = 0;
  // The size a control's text takes in its font, lines included, in twips.
  virtual PictureSize textSize(Control& control, const std::string& text) = 0;
  // The whole screen (all monitors), in twips.
  virtual PictureSize screenSize() = 0;
  // The running program's file: its folder, "\", its name.
  virtual std::string programFile() = 0;

  // Time and the event loop.
  virtual std::uint64_t tickCount() = 0;  // milliseconds, monotonic
  // Microseconds, monotonic, for timing work shorter than a timer's interval: the tick count
  // moves in steps of 10 to 16 ms and can miss such work altogether. Only differences count.
  virtual std::uint64_t microsecondCount() = 0;
  virtual void startTimer(Timer& timer) = 0;
  virtual void stopTimer(Timer& timer) = 0;
  // Handles events until done() holds: the main loop and every modal loop.
  virtual void runUntil(const std::function<bool()>& done, Form* modal) = 0;
  virtual void doEvents() = 0;
  // Runs the action once the events now waiting have been handled, as a posted message does.
  virtual void post(std::function<void()> action) = 0;
  virtual void sleep(int milliseconds) = 0;
  virtual int messageBox(const std::string& prompt, int style, const std::string& title) = 0;
  [[noreturn]] virtual void endProgram() = 0;
};

}  // namespace tavimo::rt
