#include "BlockListSetting.h"

#include "core/StoredState.h"
#include "util/mdlRegistry.h"

namespace tavimo::testing {

void storeBlockList(const std::string& pattern) {
  for (const stored::Key& key : {stored::allowedKey, stored::blockedKey}) createKey(key.hive, key.path);
  writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, 3, REG_DWORD);
  writeValue(stored::blockedKey.hive, stored::blockedKey.path, pattern, "http://www." + pattern + ".com", REG_SZ);
}

void removeBlockList(const std::string& pattern) {
  deleteValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name);
  deleteValue(stored::blockedKey.hive, stored::blockedKey.path, pattern);
}

}  // namespace tavimo::testing
