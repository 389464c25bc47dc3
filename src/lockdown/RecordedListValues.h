#pragma once
// Entries the client adds to list policies that an administrator may fill as well (numbered
// REG_SZ values under HKEY_LOCAL_MACHINE). Each is recorded in the client's own key with the
// data written, so that a later apply or a removal takes back exactly these and leaves every
// other value of those keys alone.
#include <string>
#include <vector>

namespace tavimo {

// Creates the list key and adds each text to it as a REG_SZ value, numbered on from the
// highest number already there ("1", "2", ... in an empty key), so that no existing value is
// overwritten. Each value is written only once its record is kept; when the record cannot be
// kept, that value and the ones after it are left out.
void appendRecordedEntries(const std::string& listKeyPath, const std::vector<std::string>& entries);
// Deletes every recorded value that still holds the data written (one changed since is the
// administrator's now) and empties the record.
void takeBackRecordedEntries();

}  // namespace tavimo
