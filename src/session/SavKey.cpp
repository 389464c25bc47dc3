#include "session/SavKey.h"

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "util/RegistryBackup.h"

namespace tavimo {

// The token is asked for by its call's own result only: the last-error value after a
// successful call may be left over from an earlier one, and trusting it would silently stop
// every backup.
bool enablePrivilege(const std::string& name) {
  Desktop& desktop = *platform().desktop;
  SystemHandle token = 0;
  if (!desktop.openProcessToken(rights::TokenAdjustPrivileges | rights::TokenQuery, &token)) return false;
  Luid privilege;
  bool enabled = desktop.lookupPrivilegeValue("", name, &privilege) && desktop.adjustTokenPrivileges(token, privilege, privilegeEnabled);
  desktop.closeHandle(token);
  return enabled;
}

void saveKey(const std::string& keyPath, const std::string& file, RegKey hive) {
  if (enablePrivilege("SeBackupPrivilege")) saveKeyToFile(hive, keyPath, file);
}

void restoreKey(const std::string& keyPath, const std::string& file, RegKey hive) {
  if (enablePrivilege("SeRestorePrivilege")) restoreKeyFromFile(hive, keyPath, file);
}

}  // namespace tavimo
