#include "lockdown/BrowserPolicies.h"

#include "lockdown/ZoneMap.h"

namespace tavimo {

namespace {

using namespace stored::policyKey;
using enum PolicyRule;

constexpr PolicyEntry rows[] = {
    {{"Internetoption", "iogeneral"}, "Remove General Tab", OnOff, {ControlPanel, "GeneralTab"}, {}, 1},
    {{"Internetoption", "iosecurity"}, "Remove Security Tab", OnOff, {ControlPanel, "SecurityTab"}, {}, 2},
    {{"Internetoption", "iocontent"}, "Remove Content Tab", OnOff, {ControlPanel, "ContentTab"}, {}, 3},
    {{"Internetoption", "ioconnection"}, "Remove Connection Tab", OnOff, {ControlPanel, "ConnectionsTab"}, {}, 4},
    {{"Internetoption", "ioprogram"}, "Remove Programs Tab", OnOff, {ControlPanel, "ProgramsTab"}, {}, 5},
    {{"Internetoption", "ioadvanced"}, "Remove Advanced Tab", OnOff, {ControlPanel, "AdvancedTab"}, {}, 6},
    {{"General", "helpmenu"}, "Disable Help Menu", OnOff, {Restrictions, "NoHelpMenu"}, {}, 11},
    {{"Filemenu", "newm"}, "Disable New", OnOff, {Restrictions, "NoFileNew"}, {}, 7},
    {{"Filemenu", "openm"}, "Disable Open", OnOff, {Restrictions, "NoFileOpen"}, {}, 8},
    {{"Filemenu", "savem"}, "Disable Save As", OnOff, {Restrictions, "NoBrowserSaveAs"}, {}, 9},
    {{"General", "rightclick"}, "Disable Right Click Context Menu", OnOff, {Restrictions, "NoBrowserContextMenu"}, {}, 13},
    {{"General", "favorites"}, "Disable Favorites", OnOff, {Restrictions, "NoFavorites"}, {}, 10},
    {{"General", "toolbar"}, "Remove Option to Change or Hide Toolbars", OnOff, {Explorer, "NoBandCustomize"}, {}, 12},
    {{"Advanced", "ddownloading"}, "Disable Downloading", DownloadAction, {Zone3, "1803"}, {}, 14},
};

}  // namespace

constinit const PolicyCatalogue browserPolicies{rows};
constinit const PolicyValue userZoneEveryProtocol{Domains, everyProtocol};

std::string browserSecurityFilePath() { return stored::systemFile(stored::browserSecurityFile); }

}  // namespace tavimo
