#include "lockdown/Settings.h"

#include <string>
#include <vector>

#include "lockdown/BrowserPolicies.h"
#include "lockdown/BrowserSiteLists.h"
#include "lockdown/ProgramRestriction.h"
#include "lockdown/SiteLists.h"
#include "lockdown/SystemPolicies.h"
#include "lockdown/readini.h"
#include "util/mdlRegistry.h"

namespace tavimo {

void removeSystemSecurity() {
  liftPolicies(systemPolicies);
  readini().fillcheck();
}

void removeExplorerSecurity() {
  liftPolicies(browserPolicies);
  const PolicyValue& wildcard = userZoneEveryProtocol;
  deleteValue(wildcard.key.hive, wildcard.key.path, wildcard.name);
  readini().fillset();
}

void removeSiteBlocker() {
  deleteValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name);
  for (const SiteList* list : {&allowedSites, &blockedSites}) {
    const std::vector<std::string> patterns = listValues(list->key.hive, list->key.path);
    for (const std::string& pattern : patterns) deleteValue(list->key.hive, list->key.path, pattern);
  }
  removeBrowserSiteLists();
  readini().siteset();
}

void removeInstallerBlocker() {
  // The whole tree: the NT family refuses to delete a key that still has subkeys, and every
  // blocked site is one.
  deleteTree(stored::policyKey::MachineDomains.hive, stored::policyKey::MachineDomains.path);
}

void removeProgramRestrictions() {
  stored::write(RestrictRun, 0);
  deleteKey(stored::policyKey::RunList.hive, stored::policyKey::RunList.path);
}

}  // namespace tavimo
