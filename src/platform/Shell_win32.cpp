#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>

#include "platform/Shell.h"

namespace tavimo {

namespace {
// The icon a window shows in its caption: its own, else its class's.
HICON iconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  return icon;
}
}  // namespace

bool Win32Shell::notifyIcon(std::uint32_t message, const NotifyIconData& data) {
  NOTIFYICONDATAA record{};
  // The first layout of the record: every version of the shell takes it.
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(data.window);
  record.uID = data.id;
  record.uFlags = data.flags;
  record.uCallbackMessage = data.callbackMessage;
  if (data.flags & nif::Icon) record.hIcon = iconOf(record.hWnd);
  const std::size_t length = std::min(data.tip.size(), sizeof record.szTip - 1);
  std::memcpy(record.szTip, data.tip.data(), length);
  return Shell_NotifyIconA(message, &record) != FALSE;
}

std::intptr_t Win32Shell::shellExecute(WindowHandle window, const std::string& operation, const std::string& file,
                                       int showCommand) {
  return reinterpret_cast<std::intptr_t>(
      ShellExecuteA(reinterpret_cast<HWND>(window), operation.c_str(), file.c_str(), nullptr, nullptr, showCommand));
}

bool Win32Shell::startMaximized(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMAXIMIZED;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return false;
  // The new program's window takes the focus when it first shows: let it.
  AllowSetForegroundWindow(process.dwProcessId);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace tavimo
