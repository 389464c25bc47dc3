#include "lockdown/readini.h"

#include "lockdown/BrowserPolicies.h"
#include "lockdown/SiteLists.h"
#include "lockdown/SystemPolicies.h"

namespace tavimo {

void readini::fillcheck() {
  const std::string file = systemSecurityFilePath();
  for (const PolicyEntry& row : systemPolicies)
    if (row.isSwitch()) writeEntry(file, row.entry, "0");
  writeEntry(file, driveRet, "0");
  writeEntry(file, lockedDriveCaptions.entry, "");
}

void readini::fillset() {
  const std::string file = browserSecurityFilePath();
  for (const PolicyEntry* row : inPageOrder(browserPolicies)) writeEntry(file, row->entry, "0");
}

void readini::siteset() {
  const std::string file = siteFilePath();
  for (const SiteList* list : {&allowedSites, &blockedSites}) writeEntry(file, list->urls, "");
}

}  // namespace tavimo
