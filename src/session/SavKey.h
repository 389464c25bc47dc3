#pragma once
// The session record's backup: the whole Timers key kept in a file in the system folder, so a
// session outlives a crash or restart of the client. The file is a REGEDIT4 text export of
// our own (the registry's own hive backup cannot be restored under Wine), replaced in one
// step on every save, so a crash in the middle of a save never leaves a torn backup.
#include <string>

#include "platform/Registry.h"

namespace tavimo {

// Enables a privilege ("SeBackupPrivilege", "SeRestorePrivilege", ...) in the client's own
// token; false when the token or the privilege cannot be had.
bool enablePrivilege(const std::string& name);
// With the backup privilege: writes the key's values to the file, replacing it.
void saveKey(const std::string& keyPath, const std::string& file, RegKey hive);
// With the restore privilege: makes the key hold exactly the values of the file. A file that
// cannot be read or parsed leaves the key as it is.
void restoreKey(const std::string& keyPath, const std::string& file, RegKey hive);

}  // namespace tavimo
