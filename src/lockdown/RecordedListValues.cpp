#include "lockdown/RecordedListValues.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "core/StoredState.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

constexpr Hive policies = HKEY_LOCAL_MACHINE;
constexpr stored::Key record = stored::browserListsRecordKey;

// The number of a list entry's value name; nothing for a name that is not all digits.
std::optional<std::uint64_t> entryNumber(const std::string& name) {
  std::uint64_t number = 0;
  const char* end = name.data() + name.size();
  const auto [stop, error] = std::from_chars(name.data(), end, number);
  if (name.empty() || error != std::errc() || stop != end) return std::nullopt;
  return number;
}

std::uint64_t highestNumber(const std::string& listKeyPath) {
  std::uint64_t highest = 0;
  for (const std::string& name : listValueNames(policies, listKeyPath))
    highest = std::max(highest, entryNumber(name).value_or(0));
  return highest;
}

bool keepRecord(const std::string& recordName, const std::string& data) {
  writeValue(record.hive, record.path, recordName, data, REG_SZ);
  return readValue(record.hive, record.path, recordName) == Variant(data + '\0');
}

}  // namespace

void appendRecordedEntries(const std::string& listKeyPath, const std::vector<std::string>& entries) {
  if (entries.empty()) return;
  createKey(policies, listKeyPath);
  createKey(record.hive, record.path);
  std::uint64_t number = highestNumber(listKeyPath);
  for (const std::string& data : entries) {
    const std::string name = std::to_string(++number);
    // Recorded first: a value that is written can always be taken back.
    if (!keepRecord(listKeyPath + "\\" + name, data)) return;
    writeValue(policies, listKeyPath, name, data, REG_SZ);
  }
}

void takeBackRecordedEntries() {
  for (const std::string& recordName : listValueNames(record.hive, record.path)) {
    const std::size_t cut = recordName.rfind('\\');
    const Variant written = readValue(record.hive, record.path, recordName);
    if (cut != std::string::npos && written.isText()) {
      const std::string listKeyPath = recordName.substr(0, cut);
      const std::string name = recordName.substr(cut + 1);
      if (readValue(policies, listKeyPath, name) == written) deleteValue(policies, listKeyPath, name);
    }
    deleteValue(record.hive, record.path, recordName);
  }
}

}  // namespace tavimo
