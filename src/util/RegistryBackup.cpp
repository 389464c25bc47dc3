#include "util/RegistryBackup.h"

#include <optional>
#include <unordered_set>

#include "platform/AnsiCase.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "util/RegeditText.h"

namespace tavimo {

namespace {

Registry& registry() { return *platform().registry; }

// Closes a key when the reading or restoring of it is done.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) registry().closeKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  RegKey* out() { return &key_; }
  RegKey get() const { return key_; }

 private:
  RegKey key_ = 0;
};

std::optional<std::string> hiveName(RegKey hive) {
  switch (hive) {
    case reg::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case reg::CurrentUser: return "HKEY_CURRENT_USER";
    case reg::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case reg::Users: return "HKEY_USERS";
    default: return std::nullopt;
  }
}

std::optional<std::vector<std::string>> subkeyNames(RegKey key) {
  std::vector<std::string> names;
  char name[256];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t size = sizeof name;
    const Status result = registry().enumKey(key, index, name, &size);
    if (result == status::NoMoreItems) return names;
    if (result != status::Success) return std::nullopt;
    names.emplace_back(name, size);
  }
}

std::optional<std::vector<RegeditValue>> readValues(RegKey key) {
  std::vector<RegeditValue> values;
  std::string name(16384, '\0');
  std::string data(256, '\0');
  for (std::uint32_t index = 0;;) {
    auto nameSize = static_cast<std::uint32_t>(name.size());
    auto dataSize = static_cast<std::uint32_t>(data.size());
    std::uint32_t type = 0;
    const Status result = registry().enumValue(key, index, name.data(), &nameSize, &type,
                                               data.data(), &dataSize);
    if (result == status::NoMoreItems) return values;
    if (result == status::MoreData && dataSize > data.size()) {
      data.resize(dataSize);  // and ask again for the same value
      continue;
    }
    if (result != status::Success) return std::nullopt;
    values.push_back(RegeditValue{name.substr(0, nameSize), type, data.substr(0, dataSize)});
    ++index;
  }
}

std::optional<RegeditKey> readKey(RegKey key, std::string name) {
  auto values = readValues(key);
  auto names = subkeyNames(key);
  if (!values || !names) return std::nullopt;
  RegeditKey result{std::move(name), std::move(*values), {}};
  for (const std::string& subkeyName : *names) {
    OpenKey subkey;
    if (registry().openKey(key, subkeyName, reg::Read, subkey.out()) != status::Success) {
      return std::nullopt;
    }
    auto read = readKey(subkey.get(), subkeyName);
    if (!read) return std::nullopt;
    result.subkeys.push_back(std::move(*read));
  }
  return result;
}

bool deleteTree(RegKey parent, const std::string& name) {
  {
    OpenKey key;
    if (registry().openKey(parent, name, reg::FullAccess, key.out()) != status::Success) {
      return false;
    }
    const auto names = subkeyNames(key.get());
    if (!names) return false;
    for (const std::string& subkeyName : *names) {
      if (!deleteTree(key.get(), subkeyName)) return false;
    }
  }
  return registry().deleteKey(parent, name) == status::Success;
}

// The items' names in upper case, to tell at once whether one is named (without regard to
// case), however many there are.
template <class Item>
std::unordered_set<std::string> namesOf(const std::vector<Item>& items) {
  std::unordered_set<std::string> names;
  for (const Item& item : items) names.insert(upperAnsi(item.name));
  return names;
}

// Writes the file's values first and removes the rest afterwards, so that a failure half way
// loses as little as possible.
bool restoreInto(RegKey key, const RegeditKey& saved) {
  bool ok = true;
  for (const RegeditValue& value : saved.values) {
    ok &= registry().setValue(key, value.name, value.type, value.data.data(),
                              static_cast<std::uint32_t>(value.data.size())) == status::Success;
  }
  const auto present = readValues(key);
  if (!present) return false;
  const auto savedValues = namesOf(saved.values);
  for (const RegeditValue& value : *present) {
    if (!savedValues.contains(upperAnsi(value.name))) {
      ok &= registry().deleteValue(key, value.name) == status::Success;
    }
  }
  for (const RegeditKey& subkey : saved.subkeys) {
    OpenKey opened;
    if (registry().createKey(key, subkey.name, reg::FullAccess, opened.out(), nullptr) !=
        status::Success) {
      ok = false;
      continue;
    }
    ok &= restoreInto(opened.get(), subkey);
  }
  const auto names = subkeyNames(key);
  if (!names) return false;
  const auto savedSubkeys = namesOf(saved.subkeys);
  for (const std::string& name : *names) {
    if (!savedSubkeys.contains(upperAnsi(name))) ok &= deleteTree(key, name);
  }
  return ok;
}

}  // namespace

bool saveKeyToFile(RegKey hive, const std::string& keyPath, const std::string& fileName) {
  const auto rootName = hiveName(hive);
  if (!rootName) return false;
  OpenKey key;
  if (registry().openKey(hive, keyPath, reg::Read, key.out()) != status::Success) return false;
  const auto saved = readKey(key.get(), *rootName + "\\" + keyPath);
  if (!saved) return false;
  return platform().files->replaceAtomically(fileName, formatRegedit(*saved));
}

bool restoreKeyFromFile(RegKey hive, const std::string& keyPath, const std::string& fileName) {
  const auto text = platform().files->readAll(fileName);
  if (!text) return false;
  const auto saved = parseRegedit(*text);
  if (!saved) return false;
  OpenKey key;
  if (registry().openKey(hive, keyPath, reg::FullAccess, key.out()) != status::Success) {
    return false;
  }
  return restoreInto(key.get(), *saved);
}

}  // namespace tavimo
