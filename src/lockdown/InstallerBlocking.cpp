#include "lockdown/InstallerBlocking.h"

#include "core/StoredState.h"
#include "lockdown/ZoneMap.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

using stored::policyKey::MachineDomains;
using stored::policyKey::MachineZoneMap;

// An empty name would address the zone map itself, and a "\" would make nested keys that the
// page lists as another site and cannot delete.
bool namesOneSubkey(const std::string& site) { return !site.empty() && site.find('\\') == std::string::npos; }

std::string siteKey(const std::string& site) { return std::string(MachineDomains.path) + "\\" + site; }

}  // namespace

bool blockInstallerSite(const std::string& site) {
  if (!namesOneSubkey(site)) return false;
  createKey(MachineZoneMap.hive, MachineZoneMap.path);
  createKey(MachineDomains.hive, MachineDomains.path);
  createKey(MachineDomains.hive, siteKey(site));
  writeValue(MachineDomains.hive, siteKey(site), everyProtocol, restrictedSitesZone, REG_DWORD);
  return true;
}

void unblockInstallerSite(const std::string& site) {
  // With its subkeys: the browser keeps a site's subdomains as subkeys of the site's key.
  if (namesOneSubkey(site)) deleteTree(MachineDomains.hive, siteKey(site));
}

std::vector<std::string> blockedInstallerSites() { return listKeys(MachineDomains.hive, MachineDomains.path); }

}  // namespace tavimo
