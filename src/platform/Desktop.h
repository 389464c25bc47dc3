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
};

// Records every call; windows and screen are what the test sets up.
class FakeDesktop : public Desktop {
 public:
  void setTopmost(WindowHandle window, bool topmost) override;
  int screenWidth() override { return screenWidth_; }
  int screenHeight() override { return screenHeight_; }

  // The calls made, in order, as text: "SetWindowPos <handle> HWND_TOPMOST".
  std::vector<std::string> calls;
  int screenWidth_ = 1024;
  int screenHeight_ = 768;
};

#ifdef _WIN32
class Win32Desktop : public Desktop {
 public:
  void setTopmost(WindowHandle window, bool topmost) override;
  int screenWidth() override;
  int screenHeight() override;
};
#endif

}  // namespace tavimo
