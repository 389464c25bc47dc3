// The policy catalogues, installer blocking and program restriction against the real
// registry and INI files: the same cases as the headless tests, read back with advapi32 and
// kernel32 directly, with their exact types.
#include <gtest/gtest.h>
#include <windows.h>

#include <tuple>

#include "lockdown/InstallerBlocking.h"
#include "lockdown/ProgramRestriction.h"
#include "lockdown/Settings.h"
#include "lockdown/serverexpo.h"
#include "lockdown/serverset.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "session/Functions.h"
#include "support/PolicyCases.h"
#include "util/RegistryBackup.h"

namespace tavimo {
namespace {

using testing::KeyValues;
using testing::RegistryState;
using testing::StoredValue;
namespace paths = testing::policyPaths;

HKEY hiveOf(const stored::Key& key) {
  return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(key.hive))));
}

bool exists(const stored::Key& key) {
  HKEY opened;
  if (RegOpenKeyExA(hiveOf(key), key.path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

void create(const stored::Key& key) {
  HKEY created;
  if (RegCreateKeyExA(hiveOf(key), key.path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr) == ERROR_SUCCESS)
    RegCloseKey(created);
}

// Every value of the key with its type, as advapi32 reports it.
KeyValues valuesOf(const stored::Key& key) {
  KeyValues values;
  HKEY opened;
  if (RegOpenKeyExA(hiveOf(key), key.path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[256];
    BYTE data[1024];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(opened, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
    StoredValue value{type, {}};
    if (type == REG_DWORD)
      value.data = std::to_string(*reinterpret_cast<DWORD*>(data));
    else
      value.data.assign(reinterpret_cast<char*>(data), dataSize > 0 && data[dataSize - 1] == 0 ? dataSize - 1 : dataSize);
    values[std::string(name, nameSize)] = value;
  }
  RegCloseKey(opened);
  return values;
}

std::vector<std::string> subkeysOf(const stored::Key& key) {
  std::vector<std::string> names;
  HKEY opened;
  if (RegOpenKeyExA(hiveOf(key), key.path, 0, KEY_READ, &opened) != ERROR_SUCCESS) return names;
  char name[256];
  for (DWORD index = 0, size = sizeof name; RegEnumKeyExA(opened, index, name, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++index, size = sizeof name)
    names.emplace_back(name, size);
  RegCloseKey(opened);
  return names;
}

RegistryState now(const RegistryState& like) { return testing::currentState(like, valuesOf); }

// An entry of an INI file as kernel32 reads it; "<none>" when it does not exist.
std::string entry(const std::string& file, const char* section, const char* key) {
  char text[256];
  const DWORD n = GetPrivateProfileStringA(section, key, "<none>", text, sizeof text, file.c_str());
  return std::string(text, n);
}

// The real registry, INI files and desktop; a Windows version of the test's choosing. Every
// key the cases touch is kept in a file first and put back afterwards, and starts empty.
class PoliciesOnWindows : public ::testing::Test {
 protected:
  // A key as it was before the test: saved to a file, or known to be missing.
  struct KeptKey {
    stored::Key key;
    std::string backup;
    bool existed;
  };

  PoliciesOnWindows() {
    installPlatform({&registry, &profile, &systemInfo, &files, nullptr, &desktop});
    const stored::Key touched[] = {paths::Explorer,     paths::System,      paths::Network,     paths::WinOldApp,
                                   paths::PolicySystem, paths::HiddenStore, paths::ControlPanel, paths::Restrictions,
                                   paths::Zone3,        paths::UserDomains, paths::MachineZoneMap, stored::programsKey};
    for (const stored::Key& key : touched) {
      KeptKey kept{key, systemFile("kept" + std::to_string(kept_.size()) + ".reg"), exists(key)};
      if (kept.existed) {
        EXPECT_TRUE(saveKeyToFile(key.hive, key.path, kept.backup)) << key.path;
      }
      RegDeleteTreeA(hiveOf(key), key.path);
      kept_.push_back(kept);
    }
    // What every Windows, or the client's installation, has.
    for (const stored::Key& key : {paths::Zone3, paths::HiddenStore, stored::programsKey}) create(key);
  }
  ~PoliciesOnWindows() override {
    for (const KeptKey& kept : kept_) {
      RegDeleteTreeA(hiveOf(kept.key), kept.key.path);
      if (!kept.existed) continue;
      create(kept.key);
      EXPECT_TRUE(restoreKeyFromFile(kept.key.hive, kept.key.path, kept.backup)) << kept.key.path;
    }
    setTaskbar(1);
    installPlatform(previous_);
  }

  std::string systemFile(const std::string& name) {
    char folder[MAX_PATH];
    systemInfo.systemDirectory(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
  }

  Platform previous_ = platform();
  Win32Registry registry;
  Win32Profile profile;
  FakeSystemInfo systemInfo;  // its system folder is a fresh temporary folder
  Win32Files files;
  Win32Desktop desktop;
  std::vector<KeptKey> kept_;
  const std::string systemIni = systemFile("clt_mtssecurity.ini");
  const std::string browserIni = systemFile("clt_msiexplorer.ini");
};

TEST_F(PoliciesOnWindows, SystemFileIsAppliedAndLiftedOnBothFamilies) {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  ASSERT_NE(taskbar, nullptr) << "runs inside a Wine virtual desktop, which has a taskbar";
  for (const auto& [name, version, nt] : {std::tuple{"Windows ME", os::WindowsMe, false}, std::tuple{"Windows XP", os::WindowsXp, true}}) {
    SCOPED_TRACE(name);
    systemInfo.setVersion(version);
    setTaskbar(nt ? 1 : 0);

    testing::writeSystemFile(systemIni, "1", "9", "a :,d :,");
    serverset();
    const RegistryState allOn = testing::systemPoliciesAllOn(nt, 9);
    EXPECT_EQ(now(allOn), allOn);
    EXPECT_TRUE(IsWindowVisible(taskbar));

    testing::writeSystemFile(systemIni, "0", "x", "");
    serverset();
    const RegistryState off = testing::systemPoliciesOff(nt);
    EXPECT_EQ(now(off), off);

    testing::writeSystemFile(systemIni, "1", "33554432", "z :,");
    serverset();
    EXPECT_EQ(valuesOf(paths::Explorer)["NoDrives"], testing::dword(33554432));

    removeSystemSecurity();
    const RegistryState lifted = testing::systemPoliciesLifted();
    EXPECT_EQ(now(lifted), lifted);
    EXPECT_FALSE(IsWindowVisible(taskbar));
    EXPECT_EQ(entry(systemIni, "startmenu", "logoff"), "0");
    EXPECT_EQ(entry(systemIni, "MSCsecurity", "taskmanager"), "0");
    EXPECT_EQ(entry(systemIni, "Drive", "ret"), "0");
    EXPECT_EQ(entry(systemIni, "Drive", "label"), "");
    EXPECT_EQ(entry(systemIni, "Drive", "driv"), "33554432");
    RegDeleteTreeA(hiveOf(paths::HiddenStore), paths::HiddenStore.path);
    create(paths::HiddenStore);
  }
}

TEST_F(PoliciesOnWindows, BrowserFileIsAppliedAndLifted) {
  testing::writeSwitches(browserIni, testing::browserSwitches, "1");
  serverexpo();
  const RegistryState allOn = testing::browserPoliciesAllOn();
  EXPECT_EQ(now(allOn), allOn);

  // The user's zone map, which the removal reaches by its name with a final backslash.
  const std::string keptSite = std::string(paths::UserDomains.path) + "\\kept.com";
  create({paths::UserDomains.hive, keptSite.c_str()});
  const DWORD two = 2;
  RegSetKeyValueA(hiveOf(paths::UserDomains), paths::UserDomains.path, "*", REG_DWORD, &two, sizeof two);
  RegSetKeyValueA(hiveOf(paths::UserDomains), paths::UserDomains.path, "http", REG_DWORD, &two, sizeof two);

  removeExplorerSecurity();

  const RegistryState off = testing::browserPoliciesOff();
  EXPECT_EQ(now(off), off);
  EXPECT_EQ(valuesOf(paths::UserDomains), (KeyValues{{"http", testing::dword(2)}}));
  EXPECT_EQ(subkeysOf(paths::UserDomains), std::vector<std::string>{"kept.com"});
  for (const auto& [section, keys] : testing::browserSwitches)
    for (const std::string& key : keys) EXPECT_EQ(entry(browserIni, section.c_str(), key.c_str()), "0") << key;
}

TEST_F(PoliciesOnWindows, EverySiteIsRemovedFromTheRestrictedZoneOnTheNtFamily) {
  const std::vector<std::string> typed{"dialers.com", "dialers.com ", "setup-now.net"};
  for (const std::string& site : typed) ASSERT_TRUE(blockInstallerSite(site)) << site;
  EXPECT_EQ(subkeysOf(paths::MachineDomains), typed);
  for (const std::string& site : typed) {
    const std::string path = std::string(paths::MachineDomains.path) + "\\" + site;
    EXPECT_EQ(valuesOf({paths::MachineDomains.hive, path.c_str()}), (KeyValues{{"*", testing::dword(4)}})) << site;
  }
  EXPECT_EQ(blockedInstallerSites(), typed);

  removeInstallerBlocker();

  EXPECT_FALSE(exists(paths::MachineDomains));
  EXPECT_TRUE(exists(paths::MachineZoneMap));
}

TEST_F(PoliciesOnWindows, ProgramRestrictionIsAppliedAndRemoved) {
  ASSERT_TRUE(addProgram("Notepad", "C:\\windows\\notepad.exe", true));
  applyRunRestriction(true);
  EXPECT_EQ(valuesOf(paths::Explorer), (KeyValues{{"RestrictRun", testing::dword(1)}}));
  EXPECT_EQ(valuesOf(paths::RunList), (KeyValues{{"Notepad", testing::sz("notepad.exe")},
                                                 {"tavimo", testing::sz("tavimoclient.exe")},
                                                 {"Explorer", testing::sz("explorer.exe")},
                                                 {"tavimo1", testing::sz("tavimoserver.exe")}}));

  removeProgramRestrictions();

  EXPECT_EQ(valuesOf(paths::Explorer), (KeyValues{{"RestrictRun", testing::dword(0)}}));
  EXPECT_FALSE(exists(paths::RunList));
  EXPECT_EQ(valuesOf(stored::programsKey), (KeyValues{{"Notepad", testing::sz("C:\\windows\\notepad.exe")}}));
}

}  // namespace
}  // namespace tavimo
