#pragma once
// Everything the client keeps between runs, in one place: each registry key and value with
// its hive and type, and each file with its folder. No other file spells a key path, a value
// name or a kept file's name, except the lockdown's catalogues, which name the values of the
// Windows policy keys below.
#include <cstdint>
#include <string>

#include "platform/Registry.h"
#include "util/Variant.h"

namespace tavimo::stored {

struct Key {
  RegKey hive;
  const char* path;
};

struct Value {
  Key key;
  const char* name;
  std::uint32_t type;  // reg::Sz or reg::Dword
};

// Server discovery.
inline constexpr Key serverKey{reg::LocalMachine, "Software\\Tavimo\\Server"};
inline constexpr Value TVServer{serverKey, "TVServer", reg::Sz};
inline constexpr Value TVSSpec{serverKey, "TVSSpec", reg::Dword};

// The session record; saved to and restored from the backup file as a whole.
inline constexpr Key timersKey{reg::LocalMachine, "Software\\Tavimo\\Timers"};
inline constexpr Value UserId{timersKey, "UserId", reg::Sz};
inline constexpr Value GuestName{timersKey, "GuestName", reg::Sz};
inline constexpr Value Status{timersKey, "Status", reg::Dword};
inline constexpr Value Continue{timersKey, "Continue", reg::Dword};
inline constexpr Value Date{timersKey, "Date", reg::Sz};
inline constexpr Value LoginTime{timersKey, "LoginTime", reg::Sz};
inline constexpr Value LogoutTime{timersKey, "LogoutTime", reg::Sz};
inline constexpr Value Elapsed{timersKey, "Elapsed", reg::Sz};
inline constexpr Value Amount{timersKey, "Amount", reg::Sz};
inline constexpr Value RateType{timersKey, "RateType", reg::Sz};
inline constexpr Value TimeLimit{timersKey, "TimeLimit", reg::Sz};
inline constexpr Value Remind{timersKey, "Remind", reg::Sz};
inline constexpr Value SecuredLogin{timersKey, "SecuredLogin", reg::Dword};
inline constexpr Value lgnName{timersKey, "lgnName", reg::Dword};
// One REG_SZ value per program the timer windows offer to start.
inline constexpr Key programsKey{reg::LocalMachine, "Software\\Tavimo\\Timers\\Programs"};

inline constexpr Key settingsKey{reg::LocalMachine, "Software\\Tavimo\\Settings"};
inline constexpr Value LoginScr{settingsKey, "LoginScr", reg::Sz};
inline constexpr Value PreviousDate{settingsKey, "PreviousDate", reg::Sz};
inline constexpr Value SecSetting{settingsKey, "SecSetting", reg::Dword};
inline constexpr Value Blocking{settingsKey, "Blocking", reg::Dword};

// Website filter: the mode, and one value per pattern in each list.
inline constexpr Key urlsKey{reg::LocalMachine, "Software\\Tavimo\\URLs"};
inline constexpr Value BlockType{urlsKey, "BlockType", reg::Dword};
inline constexpr Key allowedKey{reg::LocalMachine, "Software\\Tavimo\\URLs\\Allowed"};
inline constexpr Key blockedKey{reg::LocalMachine, "Software\\Tavimo\\URLs\\Blocked"};
// The site lists' values in the browsers' policy keys, which an administrator may fill too:
// one REG_SZ value per value written, named by its key path (below HKEY_LOCAL_MACHINE), "\"
// and its value name, holding the data written. Created by the client when it first writes
// one, so that a client installed before it keeps its record all the same.
inline constexpr Key browserListsRecordKey{reg::LocalMachine, "Software\\Tavimo\\BrowserPolicies"};

// The hidden store of the staff's local settings.
inline constexpr Key javaKey{reg::ClassesRoot, ".Java"};
inline constexpr Value p0{javaKey, "p0", reg::Sz};  // local administrator password, Base64
// "a0" to "a13": the general settings page's check boxes, see panelFlag().
inline constexpr Value JVM0{javaKey, "JVM0", reg::Dword};
inline constexpr Value JVM1{javaKey, "JVM1", reg::Dword};
constexpr int panelFlagCount = 14;
// Flag "a<number>" of the hidden store.
Value panelFlag(int number);

// Outside the client's own keys.
inline constexpr Value serverProgramPath{{reg::LocalMachine, "Software\\Microsoft"}, "Server", reg::Sz};
inline constexpr Key runKey{reg::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
// The browser's display settings that text-only browsing switches ("yes" or "no").
inline constexpr Key browserMainKey{reg::CurrentUser, "Software\\Microsoft\\Internet Explorer\\Main"};
inline constexpr Value browserDisplaySettings[] = {
    {browserMainKey, "Play_Animations", reg::Sz},
    {browserMainKey, "Play_Background_Sounds", reg::Sz},
    {browserMainKey, "Display Inline Images", reg::Sz},
    {browserMainKey, "Display Inline Videos", reg::Sz},
};

// The Windows policy and zone keys the lockdown writes, by the short names the lockdown uses;
// its catalogues (lockdown/SystemPolicies.h, lockdown/BrowserPolicies.h) name the values.
namespace policyKey {
inline constexpr Key Explorer{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer"};
inline constexpr Key System{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System"};
inline constexpr Key Network{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network"};
inline constexpr Key WinOldApp{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp"};
inline constexpr Key PolicySystem{reg::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System"};
inline constexpr Key ControlPanel{reg::CurrentUser, "Software\\Policies\\Microsoft\\Internet Explorer\\Control Panel"};
inline constexpr Key Restrictions{reg::CurrentUser, "Software\\Policies\\Microsoft\\Internet Explorer\\Restrictions"};
inline constexpr Key Zone3{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3"};
// The user's zone map, spelled with its final backslash.
inline constexpr Key Domains{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains\\"};
// The computer's zone map: one subkey per site that installer blocking puts in a zone.
inline constexpr Key MachineZoneMap{reg::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap"};
inline constexpr Key MachineDomains{reg::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\ZoneMap\\Domains"};
// The browsers that read site lists from their enterprise policies, for every user.
inline constexpr Key Chrome{reg::LocalMachine, "Software\\Policies\\Google\\Chrome"};
inline constexpr Key Edge{reg::LocalMachine, "Software\\Policies\\Microsoft\\Edge"};
inline constexpr Key Firefox{reg::LocalMachine, "Software\\Policies\\Mozilla\\Firefox"};
// The programs that alone may run while the run restriction is on.
inline constexpr Key RunList{reg::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun"};
}  // namespace policyKey

// Keys the installation creates; the client itself only opens them.
inline constexpr Key installedKeys[] = {serverKey, settingsKey, timersKey, programsKey, urlsKey, allowedKey, blockedKey, javaKey};
// The default local administrator password, stored Base64-encoded in "p0" at installation.
inline constexpr const char* defaultAdminPassword = "qorvu";

// Files in the Windows system folder (name with its leading backslash, appended to the folder).
inline constexpr const char* tariffFile = "\\charges24.ini";
inline constexpr const char* systemSecurityFile = "\\clt_mtssecurity.ini";
inline constexpr const char* browserSecurityFile = "\\clt_msiexplorer.ini";
inline constexpr const char* websiteFile = "\\clt_msurls.ini";
inline constexpr const char* backupFileName = "\\ScTest.reg";
// Files in the program folder.
inline constexpr const char* loginTextsFile = "\\systemfiles\\aid.log";
inline constexpr const char* loginTexts2File = "\\systemfiles\\aid2.log";

// The system folder followed by one of the names above.
std::string systemFile(const char* name);

// Access through the registry layer, with the value's own key and type.
void write(const Value& value, const Variant& data);
Variant read(const Value& value);
// A string read without the terminator it carries; "" when missing.
std::string readText(const Value& value);
void remove(const Value& value);

}  // namespace tavimo::stored
