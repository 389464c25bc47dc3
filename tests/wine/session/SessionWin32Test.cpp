#include <gtest/gtest.h>
#include <windows.h>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"
#include "session/Functions.h"
#include "session/SavKey.h"

namespace tavimo {
namespace {

constexpr const char* scratchKey = "Software\\TavimoSessionTest";

// The real registry, files and desktop; a scratch key of the test's own under HKCU.
class SessionOnWindows : public ::testing::Test {
 protected:
  SessionOnWindows() {
    installPlatform({&registry, nullptr, &systemInfo, &files, nullptr, &desktop});
    RegDeleteTreeA(HKEY_CURRENT_USER, scratchKey);
    HKEY key;
    RegCreateKeyExA(HKEY_CURRENT_USER, scratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    backup = std::string(folder) + "TavimoSessionTest.reg";
    DeleteFileA(backup.c_str());
  }
  ~SessionOnWindows() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, scratchKey);
    DeleteFileA(backup.c_str());
    setTaskbar(1);
  }
  void put(const char* name, const std::string& text) {
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, scratchKey, 0, KEY_ALL_ACCESS, &key);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size()));
    RegCloseKey(key);
  }
  std::string get(const char* name) {
    char data[256] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, scratchKey, name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS) return "missing";
    return data;
  }

  Win32Registry registry;
  Win32SystemInfo systemInfo;
  Win32Files files;
  Win32Desktop desktop;
  std::string backup;
};

TEST_F(SessionOnWindows, BackupRestoresEveryValueOfTheKey) {
  put("UserId", "guest");
  put("Elapsed", "0:12:7");
  saveKey(scratchKey, backup, reg::CurrentUser);
  ASSERT_NE(GetFileAttributesA(backup.c_str()), INVALID_FILE_ATTRIBUTES);
  put("Elapsed", "0:13:0");
  put("Amount", "15");
  RegDeleteKeyValueA(HKEY_CURRENT_USER, scratchKey, "UserId");
  restoreKey(scratchKey, backup, reg::CurrentUser);
  EXPECT_EQ(get("UserId"), "guest");
  EXPECT_EQ(get("Elapsed"), "0:12:7");
  EXPECT_EQ(get("Amount"), "missing");
}

TEST_F(SessionOnWindows, SavingAgainReplacesTheBackup) {
  put("Elapsed", "0:1:0");
  saveKey(scratchKey, backup, reg::CurrentUser);
  put("Elapsed", "0:2:0");
  saveKey(scratchKey, backup, reg::CurrentUser);
  put("Elapsed", "0:3:0");
  restoreKey(scratchKey, backup, reg::CurrentUser);
  EXPECT_EQ(get("Elapsed"), "0:2:0");
}

TEST_F(SessionOnWindows, TaskbarHidesAndShows) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  ASSERT_NE(taskbar, nullptr) << "runs inside a Wine virtual desktop, which has a taskbar";
  setTaskbar(0);
  EXPECT_FALSE(IsWindowVisible(taskbar));
  setTaskbar(1);
  EXPECT_TRUE(IsWindowVisible(taskbar));
}

}  // namespace
}  // namespace tavimo
