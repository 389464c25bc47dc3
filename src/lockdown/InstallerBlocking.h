#pragma once
// Installer blocking: web sites from which dialers and other installers come are put into the
// browser's Restricted Sites zone, one subkey of the computer's zone map per site, named by
// the site exactly as staff typed it. The installer blocking page calls these.
#include <string>
#include <vector>

namespace tavimo {

// Creates the zone map keys as needed and the site's subkey, with "*" = 4. False, and nothing
// written, for a text that cannot name one subkey: empty, or holding a "\".
bool blockInstallerSite(const std::string& site);
// Deletes the site's subkey, with any subkeys of its own.
void unblockInstallerSite(const std::string& site);
// The blocked sites: the subkey names of the zone map, in name order.
std::vector<std::string> blockedInstallerSites();

}  // namespace tavimo
