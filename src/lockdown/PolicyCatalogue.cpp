#include "lockdown/PolicyCatalogue.h"

#include <algorithm>

#include "session/Functions.h"
#include "util/Convert.h"
#include "util/clsSytemInfo.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

// Internet zone download action: 3 disables downloads, 0 enables them.
constexpr std::int32_t downloadsDisabled = 3;
constexpr std::int32_t downloadsEnabled = 0;

bool aboveWindows49() { return clsSytemInfo().strWinversion() > 4.9; }

void write(const PolicyValue& value, std::int32_t number) {
  writeValue(value.key.hive, value.key.path, value.name, number, REG_DWORD);
}

void switchOn(const PolicyValue& value) {
  createKey(value.key.hive, value.key.path);
  write(value, 1);
}

void switchOff(const PolicyValue& value) { deleteValue(value.key.hive, value.key.path, value.name); }

void setSwitch(const PolicyValue& value, bool on) {
  if (on)
    switchOn(value);
  else
    switchOff(value);
}

// Windows 98 and ME have no task manager policy: the hidden store keeps the flags, and the
// taskbar is shown for on and hidden for off.
void setOldFamilyTaskManager(bool on) {
  stored::write(stored::JVM0, on ? 1 : 0);
  stored::write(stored::JVM1, 0);
  setTaskbar(on ? 1 : 0);
}

void applyRow(const PolicyEntry& row, const std::string& text) {
  switch (row.rule) {
    case PolicyRule::OnOff:
      setSwitch(row.value, entryIsOn(text));
      return;
    case PolicyRule::ByVersion:
      setSwitch(aboveWindows49() ? row.value : row.other, entryIsOn(text));
      return;
    case PolicyRule::TaskManager:
      if (aboveWindows49())
        setSwitch(row.value, entryIsOn(text));
      else
        setOldFamilyTaskManager(entryIsOn(text));
      return;
    case PolicyRule::DriveMask:
      if (const std::int32_t mask = driveMask(text)) {
        createKey(row.value.key.hive, row.value.key.path);
        write(row.value, mask);
        switchOn(row.other);
      } else {
        switchOff(row.value);
        switchOff(row.other);
      }
      return;
    case PolicyRule::DownloadAction:
      if (entryIsOn(text)) {
        createKey(row.value.key.hive, row.value.key.path);
        write(row.value, downloadsDisabled);
      } else {
        write(row.value, downloadsEnabled);
      }
      return;
    case PolicyRule::DisplayOnly:
      return;
  }
}

void liftRow(const PolicyEntry& row) {
  switch (row.rule) {
    case PolicyRule::OnOff:
      switchOff(row.value);
      return;
    case PolicyRule::ByVersion:
      switchOff(row.other);
      switchOff(row.value);
      return;
    case PolicyRule::TaskManager:
      switchOff(row.value);
      setOldFamilyTaskManager(false);
      return;
    case PolicyRule::DriveMask:
      switchOff(row.value);
      switchOff(row.other);
      return;
    case PolicyRule::DownloadAction:
      write(row.value, downloadsEnabled);
      return;
    case PolicyRule::DisplayOnly:
      return;
  }
}

// Removal lifts the rows in three rounds; this is the round of a row.
int liftRound(const PolicyEntry& row) {
  if (row.liftedLast) return 2;
  return row.rule == PolicyRule::TaskManager ? 1 : 0;
}

}  // namespace

bool entryIsOn(const std::string& text) { return toBool(text).value_or(true); }

std::int32_t driveMask(const std::string& text) { return toLong(text).value_or(0); }

std::vector<const PolicyEntry*> inPageOrder(PolicyCatalogue catalogue) {
  std::vector<const PolicyEntry*> rows;
  for (const PolicyEntry& row : catalogue) rows.push_back(&row);
  std::ranges::sort(rows, {}, &PolicyEntry::pageOrder);
  return rows;
}

void applyPolicies(PolicyCatalogue catalogue, const std::string& file) {
  for (const PolicyEntry& row : catalogue) applyRow(row, readEntry(file, row.entry));
}

void liftPolicies(PolicyCatalogue catalogue) {
  for (int round = 0; round < 3; ++round)
    for (const PolicyEntry& row : catalogue)
      if (liftRound(row) == round) liftRow(row);
}

}  // namespace tavimo
