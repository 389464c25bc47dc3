#pragma once
// The website filter's two lists as the site file and the registry keep them: the site
// file's entries, the mode numbers of "BlockType", and the key each list's patterns live in.
#include <cstdint>
#include <string>

#include "core/StoredState.h"
#include "lockdown/SettingsFile.h"

namespace tavimo {

// The site file's entry that names the list in force.
inline constexpr SettingsFileEntry siteFileType{"Apply", "Type"};

namespace blockType {
constexpr std::int32_t AllowList = 2;
constexpr std::int32_t BlockList = 3;
}  // namespace blockType

// One list: the word naming it in the site file, its patterns entry, its mode, its key.
struct SiteList {
  const char* typeWord;
  SettingsFileEntry urls;
  std::int32_t mode;
  stored::Key key;
};
inline constexpr SiteList allowedSites{"Allowed", {"Allowed", "URLS"}, blockType::AllowList, stored::allowedKey};
inline constexpr SiteList blockedSites{"Blocked", {"Blocked", "URLS"}, blockType::BlockList, stored::blockedKey};

std::string siteFilePath();

}  // namespace tavimo
