#include <algorithm>

#include "platform/Shell.h"

namespace tavimo {

// A second icon of the same window and id is refused, and so is deleting one that is not
// there, as the notification area does.
bool FakeShell::notifyIcon(std::uint32_t message, const NotifyIconData& data) {
  const char* name = message == nim::Add ? "NIM_ADD" : message == nim::Delete ? "NIM_DELETE" : "NIM_MODIFY";
  calls.push_back(std::string("Shell_NotifyIcon ") + name + " " + std::to_string(data.window) + " id " +
                  std::to_string(data.id) + " flags " + std::to_string(data.flags) + " message " +
                  std::to_string(data.callbackMessage) + " tip " + data.tip.substr(0, 63));
  auto shown = std::find_if(icons.begin(), icons.end(),
                            [&data](const NotifyIconData& icon) { return icon.window == data.window && icon.id == data.id; });
  if (message == nim::Add) {
    if (shown != icons.end()) return false;
    icons.push_back(data);
    return true;
  }
  if (message == nim::Delete) {
    if (shown == icons.end()) return false;
    icons.erase(shown);
    return true;
  }
  return shown != icons.end();
}

std::intptr_t FakeShell::shellExecute(WindowHandle window, const std::string& operation, const std::string& file,
                                      int showCommand) {
  calls.push_back("ShellExecute " + std::to_string(window) + " " + operation + " " + file + " " + std::to_string(showCommand));
  return 42;
}

bool FakeShell::startMaximized(const std::string& commandLine) {
  calls.push_back("start maximized " + commandLine);
  return std::find(missingPrograms.begin(), missingPrograms.end(), commandLine) == missingPrograms.end();
}

}  // namespace tavimo
