#include "lockdown/serverblock.h"

#include <string>

#include "lockdown/SiteLists.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

void storePatterns(const SiteList& list, const std::string& file) {
  writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, list.mode, REG_DWORD);
  const std::string patterns = readEntry(file, list.urls);
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = patterns.find(',', start);
    const std::string pattern = patterns.substr(start, comma - start);
    // An empty item (a doubled or final comma) would become a pattern that stops the
    // filter's test before the patterns after it.
    if (!pattern.empty())
      writeValue(list.key.hive, list.key.path, pattern, "http://www." + pattern + ".com", REG_SZ);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
}

}  // namespace

void serverblock() {
  const std::string file = siteFilePath();
  writeValue(stored::Blocking.key.hive, stored::Blocking.key.path, stored::Blocking.name, 1, REG_DWORD);
  const std::string type = readEntry(file, siteFileType);
  for (const SiteList* list : {&allowedSites, &blockedSites})
    if (type == list->typeWord) storePatterns(*list, file);
}

}  // namespace tavimo
