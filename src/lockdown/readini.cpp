#include "lockdown/readini.h"

#include "lockdown/SiteLists.h"
#include "util/inimodule.h"

namespace tavimo {

void readini::siteset() {
  const std::string file = siteFilePath();
  for (const SiteList* list : {&allowedSites, &blockedSites}) writeIni(file, list->urls.section, list->urls.key, "");
}

}  // namespace tavimo
