#pragma once
// The window manager, shell and process services the client uses to keep the computer
// locked: shaped like the user32/shell32/kernel32 calls they stand for, so the fake can
// record each call and tests can check what the client asked of the system.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavimo {

using WindowHandle = std::uintptr_t;
// A process or access-token handle; 0 is none.
using SystemHandle = std::uintptr_t;
using ProcessId = std::uint32_t;
// A window procedure in portable terms: window, message, wParam, lParam, result.
using WindowProc = std::intptr_t (*)(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t);
// The procedure a window had before setWindowProc, to pass messages on and to put back.
using WindowProcHandle = std::uintptr_t;

struct Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;
};
struct Point {
  std::int32_t x = 0, y = 0;
};
// A locally unique identifier, as LookupPrivilegeValueA gives one.
struct Luid {
  std::uint32_t lowPart = 0;
  std::int32_t highPart = 0;
};

// The Win32 numbers these calls take, named once for callers, fakes and tests.
namespace wm {
constexpr std::uint32_t SetText = 0x000C;
constexpr std::uint32_t GetText = 0x000D;
constexpr std::uint32_t GetTextLength = 0x000E;
constexpr std::uint32_t HotKey = 0x0312;
}  // namespace wm
namespace vk {
constexpr std::uint8_t Return = 13;
constexpr std::uint32_t KeyUp = 0x0002;  // KEYEVENTF_KEYUP
}  // namespace vk
constexpr std::uint32_t modAlt = 0x0001;  // MOD_ALT
namespace ewx {
constexpr std::uint32_t Shutdown = 0x01;
constexpr std::uint32_t Reboot = 0x02;
constexpr std::uint32_t Force = 0x04;
}  // namespace ewx
namespace rights {
constexpr std::uint32_t TokenQuery = 0x0008;
constexpr std::uint32_t TokenAdjustPrivileges = 0x0020;
constexpr std::uint32_t ProcessTerminate = 0x0001;
constexpr std::uint32_t ProcessVmRead = 0x0010;
constexpr std::uint32_t ProcessQueryInformation = 0x0400;
}  // namespace rights
constexpr std::uint32_t privilegeEnabled = 0x00000002;  // SE_PRIVILEGE_ENABLED

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

  // Windows and their texts, as the website filter reads them.
  // GetDesktopWindow.
  virtual WindowHandle desktopWindow() = 0;
  // EnumChildWindows: every descendant of parent, depth first in the system's order, until
  // visit returns false. A window destroyed meanwhile is not visited.
  virtual void enumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) = 0;
  // GetWindowTextA and GetClassNameA: copy at most size - 1 characters and a terminator,
  // return the number copied; 0 and an empty buffer for a window that does not exist.
  virtual int windowText(WindowHandle window, char* buffer, int size) = 0;
  virtual int className(WindowHandle window, char* buffer, int size) = 0;
  // SendMessageA. For WM_GETTEXT wParam is the buffer's size and lParam the buffer; for
  // WM_SETTEXT lParam is the text. Gives up (result 0) on a window of a thread that does
  // not answer, so a hung program never hangs the client.
  virtual std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
  // keybd_event: one synthesized key event, delivered to the window with the keyboard focus.
  virtual void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;

  // Hot keys and window procedures.
  // RegisterHotKey and UnregisterHotKey: true on success.
  virtual bool registerHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) = 0;
  virtual bool unregisterHotKey(WindowHandle window, int id) = 0;
  // SetWindowLongPtrA(GWLP_WNDPROC): makes procedure the window's procedure and returns the
  // previous one (0 on failure, and nothing changes). restoreWindowProc puts it back.
  virtual WindowProcHandle setWindowProc(WindowHandle window, WindowProc procedure) = 0;
  virtual void restoreWindowProc(WindowHandle window, WindowProcHandle previous) = 0;
  // CallWindowProcA: hands the message to a previous procedure and gives its result.
  virtual std::intptr_t callWindowProc(WindowProcHandle previous, WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wParam, std::intptr_t lParam) = 0;

  // The mouse pointer and input.
  // GetClientRect (left and top are 0) and ClientToScreen; false, out-parameter untouched,
  // for a window that does not exist.
  virtual bool clientRect(WindowHandle window, Rect* rect) = 0;
  virtual bool clientToScreen(WindowHandle window, Point* point) = 0;
  // ClipCursor: keeps the pointer inside the rectangle (screen pixels); null frees it.
  virtual bool clipCursor(const Rect* rect) = 0;
  // BlockInput: true on success.
  virtual bool blockInput(bool block) = 0;

  // Shutting down, and the privilege it needs on the NT family.
  // ExitWindowsEx(flags, 0): true when the system accepted the request.
  virtual bool exitWindows(std::uint32_t flags) = 0;
  // OpenProcessToken on the current process; *token is set on success.
  virtual bool openProcessToken(std::uint32_t access, SystemHandle* token) = 0;
  // LookupPrivilegeValueA; an empty system name is the local system. *luid set on success.
  virtual bool lookupPrivilegeValue(const std::string& systemName, const std::string& name, Luid* luid) = 0;
  // AdjustTokenPrivileges with one privilege and its attributes, no previous state asked.
  virtual bool adjustTokenPrivileges(SystemHandle token, Luid privilege, std::uint32_t attributes) = 0;

  // Processes.
  // EnumProcesses: fills ids (bytes is the buffer's size) and sets *bytesReturned; a full
  // buffer means there may be more.
  virtual bool enumProcesses(ProcessId* ids, std::uint32_t bytes, std::uint32_t* bytesReturned) = 0;
  // OpenProcess: the handle, 0 on failure.
  virtual SystemHandle openProcess(std::uint32_t access, ProcessId id) = 0;
  // EnumProcessModules: the module handles (bytes is the buffer's size), *bytesNeeded set.
  virtual bool enumProcessModules(SystemHandle process, std::uintptr_t* modules, std::uint32_t bytes,
                                  std::uint32_t* bytesNeeded) = 0;
  // GetModuleFileNameExA (module 0: the main module): the characters copied, 0 on failure.
  virtual std::uint32_t moduleFileName(SystemHandle process, std::uintptr_t module, char* buffer,
                                       std::uint32_t size) = 0;
  virtual bool terminateProcess(SystemHandle process, std::uint32_t exitCode) = 0;
  virtual bool closeHandle(SystemHandle handle) = 0;
};

// Records every call; windows and screen are what the test sets up.
class FakeDesktop : public Desktop {
 public:
  struct Window {
    WindowHandle handle;
    WindowHandle parent;  // 0 for a top-level window
    std::string className;
    std::string text;
    bool visible = true;
    Rect client{};  // the client area in screen pixels
    WindowProc procedure = nullptr;  // installed with setWindowProc; null: the built-in one
  };
  // A running program: its id and the path of its executable.
  struct Process {
    ProcessId id;
    std::string path;
    bool canOpen = true;  // false: OpenProcess is refused
    bool modulesReadable = true;  // false: EnumProcessModules fails
  };
  // The desktop window: top-level windows are its children.
  static constexpr WindowHandle desktopHandle = 0x10;
  // The built-in procedure every window starts with: it keeps the window's text.
  static constexpr WindowProcHandle builtInProcedure = 1;
  // The identifier LookupPrivilegeValueA gives for "SeShutdownPrivilege".
  static constexpr std::uint32_t shutdownPrivilegeLuid = 19;

  // Adds a window to the model and returns its handle.
  WindowHandle addWindow(const std::string& className, const std::string& text = {}, WindowHandle parent = 0);
  Window* window(WindowHandle handle);
  // Destroys a window and its descendants, as DestroyWindow does.
  void closeWindow(WindowHandle handle);
  // Process and token handles opened and not yet closed.
  std::size_t openHandles() const { return handles_.size(); }

  void setTopmost(WindowHandle window, bool topmost) override;
  int screenWidth() override { return screenWidth_; }
  int screenHeight() override { return screenHeight_; }
  WindowHandle findWindow(const std::string& className) override;
  WindowHandle findChildWindow(WindowHandle parent, const std::string& className) override;
  void showWindow(WindowHandle window, int command) override;
  void setScreenSaverRunning(bool running) override;
  void registerServiceProcess() override;
  void raisePriority() override;
  WindowHandle desktopWindow() override { return desktopHandle; }
  void enumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override;
  int windowText(WindowHandle window, char* buffer, int size) override;
  int className(WindowHandle window, char* buffer, int size) override;
  std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
  bool registerHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
  bool unregisterHotKey(WindowHandle window, int id) override;
  WindowProcHandle setWindowProc(WindowHandle window, WindowProc procedure) override;
  void restoreWindowProc(WindowHandle window, WindowProcHandle previous) override;
  std::intptr_t callWindowProc(WindowProcHandle previous, WindowHandle window, std::uint32_t message,
                               std::uintptr_t wParam, std::intptr_t lParam) override;
  bool clientRect(WindowHandle window, Rect* rect) override;
  bool clientToScreen(WindowHandle window, Point* point) override;
  bool clipCursor(const Rect* rect) override;
  bool blockInput(bool block) override;
  bool exitWindows(std::uint32_t flags) override;
  bool openProcessToken(std::uint32_t access, SystemHandle* token) override;
  bool lookupPrivilegeValue(const std::string& systemName, const std::string& name, Luid* luid) override;
  bool adjustTokenPrivileges(SystemHandle token, Luid privilege, std::uint32_t attributes) override;
  bool enumProcesses(ProcessId* ids, std::uint32_t bytes, std::uint32_t* bytesReturned) override;
  SystemHandle openProcess(std::uint32_t access, ProcessId id) override;
  bool enumProcessModules(SystemHandle process, std::uintptr_t* modules, std::uint32_t bytes,
                          std::uint32_t* bytesNeeded) override;
  std::uint32_t moduleFileName(SystemHandle process, std::uintptr_t module, char* buffer, std::uint32_t size) override;
  bool terminateProcess(SystemHandle process, std::uint32_t exitCode) override;
  bool closeHandle(SystemHandle handle) override;

  // The calls made, in order, as text: "SetWindowPos <handle> HWND_TOPMOST".
  std::vector<std::string> calls;
  // Runs after each call is recorded and before it acts, so a test can change the model in
  // the middle of a scan (close a window while the client reads it).
  std::function<void(const std::string& call)> onCall;
  std::vector<Window> windows;
  std::vector<Process> processes;
  bool screenSaverRunning = false;
  int screenWidth_ = 1024;
  int screenHeight_ = 768;
  bool inputBlocked = false;
  const Rect* cursorClip() const { return clipped_ ? &clip_ : nullptr; }
  // Set to refuse OpenProcessToken, as for a user who may not adjust privileges.
  bool refuseToken = false;

 private:
  struct HotKey {
    WindowHandle window;
    int id;
    std::uint32_t modifiers;
    std::uint32_t virtualKey;
  };
  struct Opened {
    SystemHandle handle;
    ProcessId process;  // 0 for the token
  };
  void record(std::string call);
  const Opened* opened(SystemHandle handle) const;
  std::intptr_t builtIn(Window& window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
  bool enumerate(WindowHandle parent, const std::function<bool(WindowHandle)>& visit);
  WindowHandle nextHandle_ = 0x20010;
  std::vector<HotKey> hotKeys_;
  std::vector<Opened> handles_;
  SystemHandle nextSystemHandle_ = 0x100;
  Rect clip_{};
  bool clipped_ = false;
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
  WindowHandle desktopWindow() override;
  void enumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) override;
  int windowText(WindowHandle window, char* buffer, int size) override;
  int className(WindowHandle window, char* buffer, int size) override;
  std::intptr_t sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
  bool registerHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) override;
  bool unregisterHotKey(WindowHandle window, int id) override;
  WindowProcHandle setWindowProc(WindowHandle window, WindowProc procedure) override;
  void restoreWindowProc(WindowHandle window, WindowProcHandle previous) override;
  std::intptr_t callWindowProc(WindowProcHandle previous, WindowHandle window, std::uint32_t message,
                               std::uintptr_t wParam, std::intptr_t lParam) override;
  bool clientRect(WindowHandle window, Rect* rect) override;
  bool clientToScreen(WindowHandle window, Point* point) override;
  bool clipCursor(const Rect* rect) override;
  bool blockInput(bool block) override;
  bool exitWindows(std::uint32_t flags) override;
  bool openProcessToken(std::uint32_t access, SystemHandle* token) override;
  bool lookupPrivilegeValue(const std::string& systemName, const std::string& name, Luid* luid) override;
  bool adjustTokenPrivileges(SystemHandle token, Luid privilege, std::uint32_t attributes) override;
  bool enumProcesses(ProcessId* ids, std::uint32_t bytes, std::uint32_t* bytesReturned) override;
  SystemHandle openProcess(std::uint32_t access, ProcessId id) override;
  bool enumProcessModules(SystemHandle process, std::uintptr_t* modules, std::uint32_t bytes,
                          std::uint32_t* bytesNeeded) override;
  std::uint32_t moduleFileName(SystemHandle process, std::uintptr_t module, char* buffer, std::uint32_t size) override;
  bool terminateProcess(SystemHandle process, std::uint32_t exitCode) override;
  bool closeHandle(SystemHandle handle) override;
};
#endif

}  // namespace tavimo
