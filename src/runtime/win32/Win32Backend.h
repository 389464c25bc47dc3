#pragma once
// The form runtime on real Win32 windows: one window per form, native controls, SetTimer
// timers, one message loop (nested for modal forms) with the keyboard filtered in one place.
// Control names and indices are window properties ("TavimoName" as a global atom,
// "TavimoIndex" as index + 1) so that any program holding a window can find a control.
#include <windows.h>

#include <map>
#include <memory>

#include "runtime/Backend.h"

namespace tavimo::rt {

class Win32Backend : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

  void createWindow(Form& form) override;
  void destroyWindow(Form& form) override;
  void showWindow(Form& form, bool visible) override;
  void activateWindow(Form& form) override;
  void updateForm(Form& form, Prop what) override;
  void updateControl(Control& control, Prop what) override;
  void focusControl(Control& control) override;
  void enableForm(Form& form, bool enabled) override;
  WindowHandle handleOf(const Form& form) const override;
  std::optional<PictureSize> loadPicture(Control& control, const std::string& path) override;
  // The program's own RCDATA resource of that name.
  std::optional<PictureSize> loadResourcePicture(Control& control, const std::string& name) override;
  PictureSize screenSize() override;
  PictureSize textSize(Control& control, const std::string& text) override;
  std::unique_ptr<LateBoundObject> createObject(Form& form, const std::string& progId) override;
  std::string programFile() override;

  std::uint64_t tickCount() override { return GetTickCount64(); }
  std::uint64_t microsecondCount() override;
  void startTimer(Timer& timer) override;
  void stopTimer(Timer& timer) override;
  void runUntil(const std::function<bool()>& done, Form* modal) override;
  void doEvents() override;
  void post(std::function<void()> action) override;
  void sleep(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
  int messageBox(const std::string& prompt, int style, const std::string& title) override;
  [[noreturn]] void endProgram() override;

  // The window of a control; nullptr for controls without one (timers, sockets).
  HWND windowOf(const Control& control) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tavimo::rt
