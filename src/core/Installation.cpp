#include "core/Installation.h"

#include "core/StoredState.h"
#include "util/Base64.h"
#include "util/mdlRegistry.h"

namespace tavimo {

void createInstalledKeys() {
  for (const stored::Key& key : stored::installedKeys) createKey(key.hive, key.path);
  if (stored::read(stored::p0).isEmpty()) stored::write(stored::p0, Base64().Encode(stored::defaultAdminPassword));
}

}  // namespace tavimo
