#include "lockdown/serverblock.h"

#include <string>
#include <vector>

#include "lockdown/BrowserSiteLists.h"
#include "lockdown/SiteLists.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

// The items between the commas. An empty item (a doubled or final comma) is left out: it would
// become a pattern that stops the filter's test before the patterns after it.
std::vector<std::string> splitPatterns(const std::string& patterns) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = patterns.find(',', start);
    std::string item = patterns.substr(start, comma - start);
    if (!item.empty()) items.push_back(std::move(item));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return items;
}

void storePatterns(const SiteList& list, const std::string& file) {
  writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, list.mode, REG_DWORD);
  const std::vector<std::string> patterns = splitPatterns(readEntry(file, list.urls));
  for (const std::string& pattern : patterns)
    writeValue(list.key.hive, list.key.path, pattern, "http://www." + pattern + ".com", REG_SZ);
  writeBrowserSiteLists(list.mode, patterns);
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
