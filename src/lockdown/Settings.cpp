#include "lockdown/Settings.h"

#include <string>
#include <vector>

#include "lockdown/SiteLists.h"
#include "lockdown/readini.h"
#include "util/mdlRegistry.h"

namespace tavimo {

void removeSiteBlocker() {
  deleteValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name);
  for (const SiteList* list : {&allowedSites, &blockedSites}) {
    const std::vector<std::string> patterns = listValues(list->key.hive, list->key.path);
    for (const std::string& pattern : patterns) deleteValue(list->key.hive, list->key.path, pattern);
  }
  readini().siteset();
}

}  // namespace tavimo
