#pragma once
// A registry key kept in a file and put back from it, in a text format of our own (a REGEDIT4
// export), since the registry's own hive backup cannot be relied on (Wine's restore does nothing).
#include <string>

#include "platform/Registry.h"

namespace tavimo {

// Writes the key's values and subkeys to the file. The file is replaced in one step: it holds
// either the old or the new backup, never a torn one. False, and the file as it was, when the
// key cannot be read or the file cannot be written.
bool saveKeyToFile(RegKey hive, const std::string& keyPath, const std::string& fileName);
// Makes the existing key hold exactly the values and subkeys in the file (whatever key they
// were saved from): values and subkeys that the file does not name are deleted. False, and
// the key as it was, when the key does not exist or the file is missing or does not parse.
bool restoreKeyFromFile(RegKey hive, const std::string& keyPath, const std::string& fileName);

}  // namespace tavimo
