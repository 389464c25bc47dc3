#pragma once
// A policy catalogue as data: each row links an entry of a security settings file to the
// policy value it switches, with the wording the editing page shows for it. Applying a file,
// lifting the restrictions, resetting the file and the editing pages all read the same rows,
// so each section, key and value name is spelled in one row only.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/StoredState.h"
#include "lockdown/SettingsFile.h"

namespace tavimo {

// A REG_DWORD policy value.
struct PolicyValue {
  stored::Key key;
  const char* name;
};

// What a row does with its entry.
enum class PolicyRule {
  OnOff,           // on: the key is created and the value set to 1; off: the value is deleted
  ByVersion,       // as OnOff, with `value` above Windows 4.9 and `other` on 4.9 or below
  TaskManager,     // as OnOff above 4.9; on 4.9 or below, the hidden store's flags and the taskbar
  DriveMask,       // the entry is the mask: `value` holds it and `other` is 1; both deleted for 0
  DownloadAction,  // `value` is 3 for on, 0 for off (the key is created for on only); never deleted
  DisplayOnly,     // read back by the editing page alone
};

struct PolicyEntry {
  SettingsFileEntry entry;
  const char* wording;  // the editing page's text for the entry
  PolicyRule rule;
  PolicyValue value{};
  PolicyValue other{};
  int pageOrder = 0;        // the editing page writes the entries in this order, 1 first
  bool liftedLast = false;  // lifted after the other rows and after the taskbar is hidden

  // An entry that holds "1" or "0".
  bool isSwitch() const { return rule != PolicyRule::DriveMask && rule != PolicyRule::DisplayOnly; }
};

using PolicyCatalogue = std::span<const PolicyEntry>;

// An entry's text as a switch: a number is on unless it is 0, the words "true" and "false" in
// any case stand for themselves, and any other text counts as on.
bool entryIsOn(const std::string& text);
// An entry's text as a drive mask: bit 0 for A up to bit 25 for Z; 0 when it is no number.
std::int32_t driveMask(const std::string& text);

// The rows in the order the editing page writes them.
std::vector<const PolicyEntry*> inPageOrder(PolicyCatalogue catalogue);

// Reads each row's entry from the file and sets or deletes its values, in catalogue order.
void applyPolicies(PolicyCatalogue catalogue, const std::string& file);
// Deletes every value of the catalogue, on every Windows version alike: the rows in catalogue
// order, then the task manager's (which writes the hidden store's flags and hides the
// taskbar), then the rows lifted last. The download action is written 0 instead.
void liftPolicies(PolicyCatalogue catalogue);

}  // namespace tavimo
