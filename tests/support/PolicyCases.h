#pragma once
// The security settings files as the server sends them and what the policy keys hold once
// they are applied, spelled here on their own (not taken from the client's catalogues), so
// that the headless tests and the tests against the real registry check the same results.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/StoredState.h"
#include "support/FakePlatform.h"
#include "util/inimodule.h"

namespace tavimo::testing {

// A key's values by name.
using KeyValues = std::map<std::string, StoredValue>;
struct KeyState {
  stored::Key key;
  KeyValues values;
};
using RegistryState = std::vector<KeyState>;

namespace policyPaths {
inline constexpr stored::Key Explorer{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};
inline constexpr stored::Key System{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"};
inline constexpr stored::Key Network{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network"};
inline constexpr stored::Key WinOldApp{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp"};
inline constexpr stored::Key PolicySystem{reg::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System"};
inline constexpr stored::Key HiddenStore{reg::ClassesRoot, ".Java"};
inline constexpr stored::Key ControlPanel{reg::CurrentUser, "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"};
inline constexpr stored::Key Restrictions{reg::CurrentUser, "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"};
inline constexpr stored::Key Zone3{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3"};
inline constexpr stored::Key UserDomains{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains"};
inline constexpr stored::Key MachineZoneMap{reg::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap"};
inline constexpr stored::Key MachineDomains{reg::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains"};
inline constexpr stored::Key RunList{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun"};
}  // namespace policyPaths

using Sections = std::vector<std::pair<std::string, std::vector<std::string>>>;

// Every on/off entry of the system security file.
inline const Sections systemSwitches{
    {"startmenu", {"shutdown", "logoff", "runmenu", "findmenu", "favourmenu", "documentmenu"}},
    {"Submenu", {"panelprinter", "folderoptions", "windowsupdate", "taskopt", "activedesk"}},
    {"sysproperty", {"hwprofile", "vmemory", "filesystem", "devicemanager"}},
    {"DSPsecurity", {"appereance", "background", "saver", "settings"}},
    {"MSCsecurity", {"registory", "desktop", "contextdesk", "contexttask", "contextstart", "mydocs", "taskmanager", "prompt"}},
    {"NWsecurity", {"networkid", "networkaccess", "networkfile", "networkicon"}},
    {"WIN2000", {"commandprompt", "properties", "classicmenu"}},
};

// Every entry of the browser security file, as the browser security page writes them.
inline const Sections browserSwitches{
    {"Internetoption", {"iogeneral", "iosecurity", "iocontent", "ioconnection", "ioprogram", "ioadvanced"}},
    {"Filemenu", {"newm", "openm", "Savem"}},
    {"General", {"favorites", "helpmenu", "toolbar", "rightclick"}},
    {"Advanced", {"ddownloading"}},
};

inline void writeSwitches(const std::string& file, const Sections& sections, const std::string& text) {
  for (const auto& [section, keys] : sections)
    for (const std::string& key : keys) writeIni(file, section, key, text);
}

// The system security file with every switch holding the same text, and the drive entries.
inline void writeSystemFile(const std::string& file, const std::string& switches, const std::string& mask,
                            const std::string& captions) {
  writeSwitches(file, systemSwitches, switches);
  writeIni(file, "Drive", "driv", mask);
  writeIni(file, "Drive", "label", captions);
}

inline KeyValues ones(const std::vector<std::string>& names) {
  KeyValues values;
  for (const std::string& name : names) values[name] = dword(1);
  return values;
}

// The system keys once a file with every switch on and the given drive mask is applied; the
// NT family (above 4.9) and Windows 98 and ME differ in the log-off and task manager entries.
inline RegistryState systemPoliciesAllOn(bool ntFamily, std::uint32_t mask) {
  KeyValues explorer = ones({"NoClose", ntFamily ? "StartmenuLogOff" : "NoLogOff", "NoRun", "NoFind", "NoFavoritesMenu",
                             "NoRecentDocsMenu", "NoSetFolders", "NoFolderOptions", "NoWindowsUpdate", "NoSetTaskbar",
                             "NoSetActiveDesktop", "NoDesktop", "NoViewContextMenu", "NoTrayContextMenu",
                             "NoChangeStartMenu", "NoSMMyDocs", "NoNetHood", "NoPropertiesMyComputer",
                             "NoSimpleStartMenu", "NoFileURL"});
  explorer["NoDrives"] = dword(mask);
  KeyValues system = ones({"NoConfigPage", "NoVirtMemPage", "NoFileSysPage", "NoDevMgrPage", "NoDispAppearancePage",
                           "NoDispBackgroundPage", "NoDispScrSavPage", "NoDispSettingsPage", "DisableRegistryTools"});
  KeyValues hiddenStore;
  if (ntFamily)
    system["DisableTaskMgr"] = dword(1);
  else
    hiddenStore = {{"JVM0", dword(1)}, {"JVM1", dword(0)}};
  return {{policyPaths::Explorer, explorer},
          {policyPaths::System, system},
          {policyPaths::Network, ones({"NoNetSetupIDPage", "NoNetSetupSecurityPage", "NoFileSharingControl"})},
          {policyPaths::WinOldApp, ones({"Disabled"})},
          {policyPaths::PolicySystem, ones({"DisableCMD"})},
          {policyPaths::HiddenStore, hiddenStore}};
}

// The system keys with no restriction left: only the hidden store's flags, as the removal writes them.
inline RegistryState systemPoliciesLifted() {
  return {{policyPaths::Explorer, {}},
          {policyPaths::System, {}},
          {policyPaths::Network, {}},
          {policyPaths::WinOldApp, {}},
          {policyPaths::PolicySystem, {}},
          {policyPaths::HiddenStore, {{"JVM0", dword(0)}, {"JVM1", dword(0)}}}};
}

// The system keys once a file that turns everything off is applied: nothing, and on Windows
// 98 and ME the hidden store's flags at 0.
inline RegistryState systemPoliciesOff(bool ntFamily) {
  RegistryState state = systemPoliciesLifted();
  if (ntFamily) state.back().values.clear();  // the hidden store, last
  return state;
}

// The browser keys once a file with every entry on is applied.
inline RegistryState browserPoliciesAllOn() {
  return {{policyPaths::ControlPanel,
           ones({"GeneralTab", "SecurityTab", "ContentTab", "ConnectionsTab", "ProgramsTab", "AdvancedTab"})},
          {policyPaths::Restrictions,
           ones({"NoHelpMenu", "NoFileNew", "NoFileOpen", "NoBrowserSaveAs", "NoBrowserContextMenu", "NoFavorites"})},
          {policyPaths::Explorer, ones({"NoBandCustomize"})},
          {policyPaths::Zone3, {{"1803", dword(3)}}}};
}

// The browser keys with every entry off: only the download action is left, as "allowed".
inline RegistryState browserPoliciesOff() {
  return {{policyPaths::ControlPanel, {}},
          {policyPaths::Restrictions, {}},
          {policyPaths::Explorer, {}},
          {policyPaths::Zone3, {{"1803", dword(0)}}}};
}

// What the keys of a state hold now, read by the given reader of one key's values.
template <typename ReadKey>
RegistryState currentState(const RegistryState& like, ReadKey readKey) {
  RegistryState now;
  for (const KeyState& state : like) now.push_back({state.key, readKey(state.key)});
  return now;
}

inline bool operator==(const KeyState& a, const KeyState& b) {
  return a.key.hive == b.key.hive && std::string(a.key.path) == b.key.path && a.values == b.values;
}

inline std::ostream& operator<<(std::ostream& out, const KeyState& state) {
  out << "\n  " << state.key.path << ":";
  for (const auto& [name, value] : state.values) out << " " << name << "=" << value;
  return out;
}

}  // namespace tavimo::testing
