#include "lockdown/SystemPolicies.h"

namespace tavimo {

namespace {

using namespace stored::policyKey;
using enum PolicyRule;

constexpr const char* driveSection = "Drive";

constexpr PolicyEntry rows[] = {
    {{"startmenu", "shutdown"}, "Remove Shut Down", OnOff, {Explorer, "NoClose"}, {}, 1},
    {{"startmenu", "logoff"}, "Remove Log Off", ByVersion, {Explorer, "StartmenuLogOff"}, {Explorer, "NoLogOff"}, 5},
    {{"startmenu", "runmenu"}, "Remove Run Menu", OnOff, {Explorer, "NoRun"}, {}, 6},
    {{"startmenu", "findmenu"}, "Remove Find Menu", OnOff, {Explorer, "NoFind"}, {}, 4},
    {{"startmenu", "favourmenu"}, "Remove Favourities Menu", OnOff, {Explorer, "NoFavoritesMenu"}, {}, 3},
    {{"startmenu", "documentmenu"}, "Remove Documents Menu", OnOff, {Explorer, "NoRecentDocsMenu"}, {}, 2},
    {{"Submenu", "panelprinter"}, "Remove Control Panel and Printers", OnOff, {Explorer, "NoSetFolders"}, {}, 7},
    {{"Submenu", "folderoptions"}, "Remove Folder Options", OnOff, {Explorer, "NoFolderOptions"}, {}, 8},
    {{"Submenu", "windowsupdate"}, "Remove Windows Update", OnOff, {Explorer, "NoWindowsUpdate"}, {}, 9},
    {{"Submenu", "taskopt"}, "Remove Taskbar Options", OnOff, {Explorer, "NoSetTaskbar"}, {}, 10},
    {{"Submenu", "activedesk"}, "Remove Active Desktop", OnOff, {Explorer, "NoSetActiveDesktop"}, {}, 11},
    {{"sysproperty", "hwprofile"}, "Remove H/W Profile Page", OnOff, {System, "NoConfigPage"}, {}, 12},
    {{"sysproperty", "vmemory"}, "Remove Virtual Memory Page", OnOff, {System, "NoVirtMemPage"}, {}, 13},
    {{"sysproperty", "filesystem"}, "Remove File System Button", OnOff, {System, "NoFileSysPage"}, {}, 14},
    {{"sysproperty", "devicemanager"}, "Remove Device Manager Page", OnOff, {System, "NoDevMgrPage"}, {}, 15},
    {{"DSPsecurity", "appereance"}, "Hide Appereance Page", OnOff, {System, "NoDispAppearancePage"}, {}, 20},
    {{"DSPsecurity", "background"}, "Hide Background Page", OnOff, {System, "NoDispBackgroundPage"}, {}, 21},
    {{"DSPsecurity", "saver"}, "Hide Screen Saver Page", OnOff, {System, "NoDispScrSavPage"}, {}, 22},
    {{"DSPsecurity", "settings"}, "Hide Settings Page", OnOff, {System, "NoDispSettingsPage"}, {}, 23},
    {{"MSCsecurity", "registory"}, "Disable Registory Tools", OnOff, {System, "DisableRegistryTools"}, {}, 24},
    {{"MSCsecurity", "desktop"}, "Hide Desktop Icons", OnOff, {Explorer, "NoDesktop"}, {}, 26},
    {{"MSCsecurity", "contextdesk"}, "Disable desktop context menu", OnOff, {Explorer, "NoViewContextMenu"}, {}, 27},
    {{"MSCsecurity", "contexttask"}, "Disable taskbar context menu", OnOff, {Explorer, "NoTrayContextMenu"}, {}, 28},
    {{"MSCsecurity", "contextstart"}, "Disable Start Btn. context menu", OnOff, {Explorer, "NoChangeStartMenu"}, {}, 29},
    {{"MSCsecurity", "mydocs"}, "Remove My Documents from Documents submenu", OnOff, {Explorer, "NoSMMyDocs"}, {}, 30},
    {{"MSCsecurity", "taskmanager"}, "Disable Task Manager Button", TaskManager, {System, "DisableTaskMgr"}, {}, 31},
    {{"NWsecurity", "networkid"}, "Hide Network Identification Page", OnOff, {Network, "NoNetSetupIDPage"}, {}, 16},
    {{"NWsecurity", "networkaccess"}, "Hide Network Access Control Page", OnOff, {Network, "NoNetSetupSecurityPage"}, {}, 17},
    {{"NWsecurity", "networkfile"}, "Hide Network File and Printer Sharing", OnOff, {Network, "NoFileSharingControl"}, {}, 18},
    {{"NWsecurity", "networkicon"}, "Hide Network Neighbourhood Icon from Desktop", OnOff, {Explorer, "NoNetHood"}, {}, 19},
    {{"MSCsecurity", "prompt"}, "Disable DOS Prompt", OnOff, {WinOldApp, "Disabled"}, {}, 25},
    {{"WIN2000", "commandprompt"}, "Disable Command Prompt", OnOff, {PolicySystem, "DisableCMD"}, {}, 34},
    {{"WIN2000", "properties"}, "Remove My Computer Properties", OnOff, {Explorer, "NoPropertiesMyComputer"}, {}, 33},
    {{"WIN2000", "classicmenu"}, "Force the use of Classic Start Menu", OnOff, {Explorer, "NoSimpleStartMenu"}, {}, 32, true},
    {{driveSection, "driv"}, "Lock Drives", DriveMask, {Explorer, "NoDrives"}, {Explorer, "NoFileURL"}, 35, true},
    {{driveSection, "label"}, "", DisplayOnly, {}, {}, 36},
};
static_assert(rows[std::size(rows) - 1].rule == DisplayOnly);

}  // namespace

constinit const PolicyCatalogue systemPolicies{rows};
constinit const PolicyEntry& lockedDriveCaptions = rows[std::size(rows) - 1];
constinit const SettingsFileEntry driveRet{driveSection, "ret"};

std::string systemSecurityFilePath() { return stored::systemFile(stored::systemSecurityFile); }

}  // namespace tavimo
