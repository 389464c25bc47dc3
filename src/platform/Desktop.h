#pragma once
// The window manager, shell and process services the client uses to keep the computer
// locked: shaped like the user32/shell32/kernel32 calls they stand for, so the fake can
// record each call and tests can check what the client asked of the system.
#include <cstdint>
#include <string>
#include <vector>

namespace tavimo {

using WindowHandle = std::uintptr_t;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // SetWindowPos with HWND_TOPMOST or HWND_NOTOPMOST, no move, no size.
  virtual void setTopmost(WindowHandle window, bool topmost) = 0;
  // The primary screen in pixels.
  virtual int screenWidth() = 0;
  virtual int screenHeight() = 0;

  // FindWindowA by class name (any title); FindWindowExA for the first child of a class.
  // 0 when there is none.
  virtual WindowHandle findWindow(const std::string& className) = 0;
  virtual WindowHandle findChildWindow(WindowHandle parent, const std::string& className) = 0;
  // ShowWindow with a show command (0 hide, 1 show normal, ...).
  virtual void showWindow(WindowHandle window, int command) = 0;
  // SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING): tells the system a screen saver runs,
  // which on the old family also disables the system's own key combinations.
  virtual void setScreenSaverRunning(bool running) = 0;
  // RegisterServiceProcess(current process, 1): hides the process from the task list on the
  // old family; there is no such call on the NT family.
  virtual void registerServiceProcess() = 0;
  // The highest thread priority and the high process priority class.
  virtual void raisePriority() = 0;
};

// Records every call; windows and screen are what the test sets up.
class FakeDesktop : public Desktop {
 public:
  struct Window {
    WindowHandle handle;
    WindowHandle parent;
    std::string className;
    std::string text;
    bool visible = true;
  };

  // Adds a window to the model and returns its handle.
  WindowHandle addWindow(const std::string& className, const std::string& text = {}, WindowHandle parent = 0);
  Window* window(WindowHandle handle);

  void setTopmost(WindowHandle window, bool topmost) override;
  int screenWidth() override { return screenWidth_; }
  int screenHeight() override { return screenHeight_; }
  WindowHandle findWindow(const std::string& className) override;
  WindowHandle findChildWindow(WindowHandle parent, const std::string& className) override;
  void showWindow(WindowHandle window, int command) override;
  void setScreenSaverRunning(bool running) override;
  void registerServiceProcess() override;
  void raisePriority() override;

  // The calls made, in order, as text: "SetWindowPos <handle> HWND_TOPMOST".
  std::vector<std::string> calls;
  std::vector<Window> windows;
  bool screenSaverRunning = false;
  int screenWidth_ = 1024;
  int screenHeight_ = 768;

 private:
  WindowHandle nextHandle_ = 0x20010;
};

#ifdef _WIN32
class Win32Desktop : public Desktop {
 public:
  void setTopmost(WindowHandle window, bool topmost) override;
  int screenWidth() override;
  int screenHeight() override;
  WindowHandle findWindow(const std::string& className) override;
  WindowHandle findChildWindow(WindowHandle parent, const std::string& className) override;
  void showWindow(WindowHandle window, int command) override;
  void setScreenSaverRunning(bool running) override;
  void registerServiceProcess() override;
  void raisePriority() override;
};
#endif

}  // namespace tavimo
