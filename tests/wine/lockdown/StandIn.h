#pragma once
// The stand-in browser program, started beside the test program for one test and ended
// with it, and the Win32 services the lockdown code runs on, installed for one test.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace tavimo::testing {

inline std::string besideThisProgram(const std::string& file) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + file;
}

// Runs this thread's messages one at a time for the given time. (A loop until the queue is
// empty may never end: the filter's timer is due again at once when a tick takes longer
// than its interval, as it does under Wine with many windows.)
inline void pumpFor(DWORD milliseconds) {
  const ULONGLONG until = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
    MSG message;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
    }
  }
}

// Waits for a condition, letting the caller's messages run; false after the time is up.
inline bool waitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const ULONGLONG until = GetTickCount64() + milliseconds;
  while (!done()) {
    if (GetTickCount64() > until) return false;
    pumpFor(1);
  }
  return true;
}

class StandIn {
 public:
  static constexpr const char* fileName = "browserstandin.exe";

  explicit StandIn(const std::string& arguments) {
    std::string commandLine = "\"" + besideThisProgram(fileName) + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_);
    if (started_) CloseHandle(process_.hThread);
  }
  ~StandIn() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
  }
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

  bool started() const { return started_; }
  // The exit code once it has ended within the time; STILL_ACTIVE otherwise.
  DWORD exitCode(DWORD waitMilliseconds) const {
    DWORD code = STILL_ACTIVE;
    WaitForSingleObject(process_.hProcess, waitMilliseconds);
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  // The address box of browser frame number n, once the program has made it; null if not.
  static HWND addressBox(int n) {
    const std::string title = "Page " + std::to_string(n) + " - Microsoft Internet Explorer";
    HWND frame = FindWindowA("TavimoStandInFrame", title.c_str());
    HWND bar = frame ? FindWindowExA(frame, nullptr, "TavimoStandInBar", nullptr) : nullptr;
    return bar ? FindWindowExA(bar, nullptr, "Edit", nullptr) : nullptr;
  }

 private:
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

// Another program's edit text, read the way it can be read across processes.
inline std::string editText(HWND edit) {
  char text[1024] = {};
  SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

struct Win32Services {
  Win32Registry registry;
  Win32Profile profile;
  Win32SystemInfo systemInfo;
  Win32Files files;
  Win32Desktop desktop;
  Platform previous = platform();

  Win32Services() {
    Platform services = previous;
    services.registry = &registry;
    services.profile = &profile;
    services.systemInfo = &systemInfo;
    services.files = &files;
    services.desktop = &desktop;
    installPlatform(services);
  }
  ~Win32Services() { installPlatform(previous); }
};

}  // namespace tavimo::testing
