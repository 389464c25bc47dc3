#pragma once
// The shell32 services of the session windows: their icon in the notification area, opening
// an address with its default program, and starting a program from its command line. Shaped
// like the calls they stand for, so the fake records each call for the tests to check.
#include <cstdint>
#include <string>
#include <vector>

namespace tavimo {

using WindowHandle = std::uintptr_t;

// Shell_NotifyIconA's messages and the record's flags.
namespace nim {
constexpr std::uint32_t Add = 0;
constexpr std::uint32_t Delete = 2;
}  // namespace nim
namespace nif {
constexpr std::uint32_t Message = 1;
constexpr std::uint32_t Icon = 2;
constexpr std::uint32_t Tip = 4;
}  // namespace nif

// The notification icon record as the client fills it. The icon is the window's own.
struct NotifyIconData {
  WindowHandle window = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  // The message the window receives for what happens to its icon, the mouse message as lParam.
  std::uint32_t callbackMessage = 0;
  // At most 63 characters reach the system: the record holds 64 with the terminator.
  std::string tip;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Shell_NotifyIconA: true when the system accepted the message.
  virtual bool notifyIcon(std::uint32_t message, const NotifyIconData& data) = 0;
  // ShellExecuteA(window, operation, file, no parameters, no folder, show command): its
  // result, above 32 on success.
  virtual std::intptr_t shellExecute(WindowHandle window, const std::string& operation, const std::string& file,
                                     int showCommand) = 0;
  // Starts the program of a command line in a maximised window that takes the focus; false
  // when it cannot be started.
  virtual bool startMaximized(const std::string& commandLine) = 0;
};

// Records every call; the icons shown are kept as the system would keep them.
class FakeShell : public Shell {
 public:
  bool notifyIcon(std::uint32_t message, const NotifyIconData& data) override;
  std::intptr_t shellExecute(WindowHandle window, const std::string& operation, const std::string& file,
                             int showCommand) override;
  bool startMaximized(const std::string& commandLine) override;

  // "Shell_NotifyIcon NIM_ADD <window> id 1 flags 7 message 512 tip <tip>",
  // "ShellExecute <window> open <file> 1", "start maximized <command line>".
  std::vector<std::string> calls;
  // The icons in the notification area, by window and id.
  std::vector<NotifyIconData> icons;
  // Command lines that start nothing, as for a program that is not installed.
  std::vector<std::string> missingPrograms;
};

#ifdef _WIN32
class Win32Shell : public Shell {
 public:
  bool notifyIcon(std::uint32_t message, const NotifyIconData& data) override;
  std::intptr_t shellExecute(WindowHandle window, const std::string& operation, const std::string& file,
                             int showCommand) override;
  bool startMaximized(const std::string& commandLine) override;
};
#endif

}  // namespace tavimo
