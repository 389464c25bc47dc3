#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "LockdownComputer.h"
#include "lockdown/Settings.h"
#include "lockdown/serverexpo.h"
#include "lockdown/serverset.h"
#include "support/PolicyCases.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::KeyValues;
using testing::missing;
using testing::RegistryState;
using testing::StoredValue;
namespace paths = testing::policyPaths;

using Calls = std::vector<std::string>;

// A computer with the client installed, a taskbar, and the Internet zone's key that every
// Windows has.
struct PolicyComputer : testing::LockdownComputer {
  explicit PolicyComputer(const OsVersion& version) {
    systemInfo.setVersion(version);
    createKey(paths::Zone3.hive, paths::Zone3.path);
  }

  KeyValues values(const stored::Key& key) {
    KeyValues byName;
    for (const auto& [name, value] : allValues(key)) byName[name] = value;
    return byName;
  }
  // Writes the values of a state, as another program (or an earlier version) might have.
  void store(const RegistryState& state) {
    for (const testing::KeyState& key : state) {
      createKey(key.key.hive, key.key.path);
      for (const auto& [name, value] : key.values) writeValue(key.key.hive, key.key.path, name, std::stoi(value.data), REG_DWORD);
    }
  }
  RegistryState now(const RegistryState& like) {
    return testing::currentState(like, [this](const stored::Key& key) { return values(key); });
  }
  // An entry's text as Windows reads it; "<none>" when the entry does not exist.
  std::string entry(const std::string& file, const std::string& section, const std::string& key) {
    char buffer[256];
    const auto n = profile.getString(section, key, "<none>", buffer, sizeof buffer, file);
    return std::string(buffer, n);
  }
  // The file's lines that are not empty.
  std::vector<std::string> lines(const std::string& file) {
    std::istringstream in(files.readAll(file).value_or(""));
    std::vector<std::string> found;
    for (std::string line; std::getline(in, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) found.push_back(line);
    }
    return found;
  }

  WindowHandle taskbar = desktop.addWindow("Shell_TrayWnd");
  const std::string systemIni = systemFile("clt_mtssecurity.ini");
  const std::string browserIni = systemFile("clt_msiexplorer.ini");
};

struct Family {
  const char* name;
  OsVersion version;
  bool nt;
};
const Family families[] = {{"Windows ME (4.9)", os::WindowsMe, false}, {"Windows XP (5.1)", os::WindowsXp, true}};

TEST(Serverset, AppliesEachSwitchOfTheFileOnBothWindowsFamilies) {
  struct Case {
    const char* what;
    std::function<void(PolicyComputer&)> writeFile;
    bool on;
  };
  const Case cases[] = {
      {"every entry 1", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "1", "9", "a :,d :,"); }, true},
      {"every entry another number", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "-2", "9", ""); }, true},
      {"every entry the word TRUE", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "TRUE", "9", ""); }, true},
      {"every entry a word that is no number", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "yes", "9", ""); }, true},
      {"every entry 0", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "0", "0", ""); }, false},
      {"every entry the word false", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "false", "0", ""); }, false},
      {"every entry empty", [](PolicyComputer& c) { testing::writeSystemFile(c.systemIni, "", "", ""); }, false},
      {"no file", [](PolicyComputer& c) { c.files.remove(c.systemIni); }, false},
  };
  for (const Family& family : families) {
    for (const Case& row : cases) {
      SCOPED_TRACE(std::string(family.name) + ", " + row.what);
      PolicyComputer c(family.version);
      if (!row.on) {  // every restriction on first, so that each one's removal shows
        testing::writeSystemFile(c.systemIni, "1", "9", "");
        serverset();
      }
      row.writeFile(c);
      c.desktop.calls.clear();

      serverset();

      const RegistryState expected = row.on ? testing::systemPoliciesAllOn(family.nt, 9) : testing::systemPoliciesOff(family.nt);
      EXPECT_EQ(c.now(expected), expected);
      // Windows 98 and ME switch the taskbar with the task manager entry.
      const Calls taskbar{"ShowWindow " + std::to_string(c.taskbar) + (row.on ? " 1" : " 0")};
      EXPECT_EQ(c.calls("ShowWindow"), family.nt ? Calls{} : taskbar);
      EXPECT_EQ(c.registry.openHandles(), 0u);
    }
  }
}

TEST(Serverset, DriveMaskLocksTheDrivesItNames) {
  struct Case {
    const char* driv;
    StoredValue noDrives;
    StoredValue noFileUrl;
  };
  const Case cases[] = {
      {"9", dword(9), dword(1)},                // A and D
      {"33554432", dword(33554432), dword(1)},  // Z alone
      {"67108863", dword(67108863), dword(1)},  // A to Z
      {"-1", dword(0xFFFFFFFF), dword(1)},      // every bit of the 32
      {"0", missing, missing},
      {"", missing, missing},
      {"C", missing, missing},              // no number counts as 0
      {"99999999999", missing, missing},    // too big for 32 bits: no number either
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string("driv=") + row.driv);
    PolicyComputer c(os::WindowsXp);
    testing::writeSystemFile(c.systemIni, "0", "5", "");
    serverset();
    writeIni(c.systemIni, "Drive", "driv", row.driv);

    serverset();

    EXPECT_EQ(c.stored(paths::Explorer, "NoDrives"), row.noDrives);
    EXPECT_EQ(c.stored(paths::Explorer, "NoFileURL"), row.noFileUrl);
  }
}

TEST(Serverset, ASingleEntryConvertsAsATruthValue) {
  struct Case {
    const char* text;
    bool on;
  };
  const Case cases[] = {{"1", true}, {" 1 ", true}, {"0.5", true}, {"&H1", true}, {"True", true}, {"on", true},
                        {"0", false}, {"0.0", false}, {"FALSE", false}, {"", false}};
  for (const Case& row : cases) {
    SCOPED_TRACE(std::string("shutdown=\"") + row.text + "\"");
    PolicyComputer c(os::WindowsXp);
    writeIni(c.systemIni, "startmenu", "shutdown", row.text);
    writeIni(c.systemIni, "Submenu", "taskopt", "1");
    serverset();
    EXPECT_EQ(c.stored(paths::Explorer, "NoClose"), row.on ? dword(1) : missing);
    EXPECT_EQ(c.stored(paths::Explorer, "NoSetTaskbar"), dword(1)) << "the other entries go on";
  }
}

TEST(Serverset, EntriesAreFoundWhateverTheirCaseAndBlanks) {
  PolicyComputer c(os::WindowsXp);
  writeIni(c.systemIni, "SUBMENU", " taskopt ", "1");
  writeIni(c.systemIni, "mscSecurity", "ContextDesk", "1");
  serverset();
  EXPECT_EQ(c.stored(paths::Explorer, "NoSetTaskbar"), dword(1));
  EXPECT_EQ(c.stored(paths::Explorer, "NoViewContextMenu"), dword(1));
}

TEST(RemoveSystemSecurity, LeavesNoRestrictionAndResetsTheFileButTheDriveMask) {
  for (const Family& family : families) {
    SCOPED_TRACE(family.name);
    PolicyComputer c(family.version);
    // The values of both families, such as both log-off values, as a computer upgraded from
    // ME to XP may have them.
    c.store(testing::systemPoliciesAllOn(false, 9));
    c.store(testing::systemPoliciesAllOn(true, 9));
    testing::writeSystemFile(c.systemIni, "1", "9", "a :,d :,");

    removeSystemSecurity();

    const RegistryState lifted = testing::systemPoliciesLifted();
    EXPECT_EQ(c.now(lifted), lifted);
    EXPECT_FALSE(c.desktop.window(c.taskbar)->visible);
    EXPECT_EQ(c.calls("ShowWindow"), Calls{"ShowWindow " + std::to_string(c.taskbar) + " 0"});
    for (const auto& [section, keys] : testing::systemSwitches)
      for (const std::string& key : keys) EXPECT_EQ(c.entry(c.systemIni, section, key), "0") << section << " " << key;
    EXPECT_EQ(c.entry(c.systemIni, "Drive", "ret"), "0");
    EXPECT_EQ(c.entry(c.systemIni, "Drive", "label"), "");
    EXPECT_EQ(c.entry(c.systemIni, "Drive", "driv"), "9");
    EXPECT_EQ(c.registry.openHandles(), 0u);
  }
}

TEST(RemoveSystemSecurity, OnAComputerWithoutRestrictionsWritesOnlyTheFlagsAndTheFile) {
  PolicyComputer c(os::WindowsXp);
  removeSystemSecurity();
  const RegistryState lifted = testing::systemPoliciesLifted();
  EXPECT_EQ(c.now(lifted), lifted);
  RegKey notCreated = 0;
  EXPECT_EQ(c.registry.openKey(paths::Explorer.hive, paths::Explorer.path, reg::Read, &notCreated), status::FileNotFound);
  EXPECT_EQ(c.entry(c.systemIni, "WIN2000", "classicmenu"), "0");
  EXPECT_EQ(c.entry(c.systemIni, "Drive", "driv"), "<none>");
}

TEST(Serverexpo, AppliesEachEntryOfTheFileTheSameOnBothFamilies) {
  struct Case {
    const char* what;
    const char* text;  // nullptr: no file
    bool on;
  };
  const Case cases[] = {{"every entry 1", "1", true},        {"every entry a word that is no number", "x", true},
                        {"every entry 0", "0", false},       {"every entry empty", "", false},
                        {"no file", nullptr, false}};
  for (const Family& family : families) {
    for (const Case& row : cases) {
      SCOPED_TRACE(std::string(family.name) + ", " + row.what);
      PolicyComputer c(family.version);
      if (!row.on) {
        testing::writeSwitches(c.browserIni, testing::browserSwitches, "1");
        serverexpo();
      }
      if (row.text)
        testing::writeSwitches(c.browserIni, testing::browserSwitches, row.text);
      else
        c.files.remove(c.browserIni);

      serverexpo();

      const RegistryState expected = row.on ? testing::browserPoliciesAllOn() : testing::browserPoliciesOff();
      EXPECT_EQ(c.now(expected), expected);
    }
  }
}

TEST(Serverexpo, DownloadEntryCreatesTheZoneKeyOnlyToDisableDownloads) {
  PolicyComputer c(os::WindowsXp);
  c.registry.deleteKey(paths::Zone3.hive, paths::Zone3.path);
  writeIni(c.browserIni, "Advanced", "ddownloading", "0");
  serverexpo();
  RegKey zone = 0;
  EXPECT_EQ(c.registry.openKey(paths::Zone3.hive, paths::Zone3.path, reg::Read, &zone), status::FileNotFound);

  writeIni(c.browserIni, "Advanced", "ddownloading", "2");
  serverexpo();
  EXPECT_EQ(c.stored(paths::Zone3, "1803"), dword(3));
}

TEST(RemoveExplorerSecurity, LeavesDownloadsAllowedAndEveryEntryOff) {
  PolicyComputer c(os::WindowsXp);
  c.store(testing::browserPoliciesAllOn());
  testing::writeSwitches(c.browserIni, testing::browserSwitches, "1");
  createKey(paths::UserDomains.hive, std::string(paths::UserDomains.path) + "\\kept.com");
  writeValue(paths::UserDomains.hive, paths::UserDomains.path, "*", 2, REG_DWORD);
  writeValue(paths::UserDomains.hive, paths::UserDomains.path, "http", 2, REG_DWORD);

  removeExplorerSecurity();

  const RegistryState off = testing::browserPoliciesOff();
  EXPECT_EQ(c.now(off), off);
  EXPECT_EQ(c.values(paths::UserDomains), (KeyValues{{"http", dword(2)}}));
  EXPECT_EQ(listKeys(paths::UserDomains.hive, paths::UserDomains.path), std::vector<std::string>{"kept.com"});
  for (const auto& [section, keys] : testing::browserSwitches)
    for (const std::string& key : keys) EXPECT_EQ(c.entry(c.browserIni, section, key), "0") << section << " " << key;
  EXPECT_EQ(c.registry.openHandles(), 0u);
}

TEST(RemoveExplorerSecurity, ResetsAMissingFileInTheEditingPagesOrder) {
  PolicyComputer c(os::WindowsXp);
  removeExplorerSecurity();
  EXPECT_EQ(c.lines(c.browserIni),
            (std::vector<std::string>{"[Internetoption]", "iogeneral=0", "iosecurity=0", "iocontent=0", "ioconnection=0",
                                      "ioprogram=0", "ioadvanced=0", "[Filemenu]", "newm=0", "openm=0", "savem=0",
                                      "[General]", "favorites=0", "helpmenu=0", "toolbar=0", "rightclick=0",
                                      "[Advanced]", "ddownloading=0"}));
}

}  // namespace
}  // namespace tavimo
