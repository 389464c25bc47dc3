#include "util/mdlRegistry.h"

#include <algorithm>

#include "platform/Platform.h"

namespace tavimo {

namespace {

Registry& registry() { return *platform().registry; }

std::vector<std::string> listA;
std::vector<std::string> listB;

// Opens with every right as the client does; a key that refuses writing is still read.
RegKey openForReading(Hive hive, const std::string& keyPath) {
  RegKey key = 0;
  if (registry().openKey(hive, keyPath, reg::FullAccess, &key) == status::AccessDenied) {
    registry().openKey(hive, keyPath, reg::Read, &key);
  }
  return key;
}

void fillList(std::vector<std::string>& list, Hive hive, const std::string& keyPath) {
  list.clear();
  RegKey key = 0;
  if (registry().openKey(hive, keyPath, reg::MaximumAllowed, &key) != status::Success) return;
  constexpr std::uint32_t bufferSize = 255;
  char name[bufferSize];
  unsigned char data[bufferSize];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t nameSize = bufferSize;
    std::uint32_t dataSize = bufferSize;
    std::uint32_t type = 0;
    Status result = registry().enumValue(key, index, name, &nameSize, &type, data, &dataSize);
    if (result == status::MoreData) {
      // Data too big for the buffer: the value is listed all the same, by its name alone.
      nameSize = bufferSize;
      result = registry().enumValue(key, index, name, &nameSize, &type, nullptr, &dataSize);
    }
    if (result == status::MoreData) continue;  // a name too long for the buffer
    // Any other failure ends the list rather than asking again forever.
    if (result != status::Success) break;
    if (dataSize > 0) list.emplace_back(name, nameSize);
  }
  registry().closeKey(key);
}

}  // namespace

Status putValue(RegKey key, const std::string& valueName, std::uint32_t type, const Variant& value) {
  if (type == REG_SZ) {
    const std::string text = value.asText();
    return registry().setValue(key, valueName, reg::Sz, text.data(),
                               static_cast<std::uint32_t>(text.size()));
  }
  if (type == REG_DWORD) {
    const auto number = value.asLong();
    if (!number) return status::InvalidParameter;
    const auto stored = static_cast<std::uint32_t>(*number);
    return registry().setValue(key, valueName, reg::Dword, &stored, sizeof stored);
  }
  return status::Success;
}

Status getValue(RegKey key, const std::string& valueName, Variant& value) {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  Status result = registry().queryValue(key, valueName, &type, nullptr, &size);
  if (result != status::Success) return result;
  if (type == reg::Sz) {
    std::string text(size, '\0');
    result = registry().queryValue(key, valueName, &type, text.data(), &size);
    if (result == status::Success) value = Variant(text.substr(0, size));
    return result;
  }
  if (type == reg::Dword) {
    std::uint32_t number = 0;
    size = sizeof number;
    result = registry().queryValue(key, valueName, &type, &number, &size);
    if (result == status::Success) value = Variant(static_cast<std::int32_t>(number));
    return result;
  }
  return -1;
}

void writeValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                const Variant& value, std::uint32_t type) {
  RegKey key = 0;
  if (registry().openKey(hive, keyPath, reg::FullAccess, &key) != status::Success) return;
  putValue(key, valueName, type, value);
  registry().closeKey(key);
}

Variant readValue(Hive hive, const std::string& keyPath, const std::string& valueName) {
  Variant value;
  if (const RegKey key = openForReading(hive, keyPath)) {
    getValue(key, valueName, value);
    registry().closeKey(key);
  }
  return value;
}

std::string readText(Hive hive, const std::string& keyPath, const std::string& valueName) {
  const Variant value = readValue(hive, keyPath, valueName);
  std::string text = value.asText();
  if (value.isText() && !text.empty()) text.pop_back();
  return text;
}

void deleteValue(Hive hive, const std::string& keyPath, const std::string& valueName) {
  RegKey key = 0;
  if (registry().openKey(hive, keyPath, reg::FullAccess, &key) != status::Success) return;
  registry().deleteValue(key, valueName);
  registry().closeKey(key);
}

void deleteKey(Hive hive, const std::string& keyPath) { registry().deleteKey(hive, keyPath); }

void deleteTree(Hive hive, const std::string& keyPath) { registry().deleteTree(hive, keyPath); }

void createKey(Hive hive, const std::string& keyPath) {
  RegKey key = 0;
  if (registry().createKey(hive, keyPath, reg::FullAccess, &key, nullptr) == status::Success) {
    registry().closeKey(key);
  }
}

const std::vector<std::string>& listValues(Hive hive, const std::string& keyPath) {
  fillList(listA, hive, keyPath);
  return listA;
}

const std::vector<std::string>& listBlockValues(Hive hive, const std::string& keyPath) {
  fillList(listB, hive, keyPath);
  return listB;
}

const std::vector<std::string>& valueList() { return listA; }
const std::vector<std::string>& blockValueList() { return listB; }

namespace {

// The names `next` enumerates in a key, subkeys or values; a name longer than a registry name
// can be is skipped.
template <typename Next>
std::vector<std::string> listNames(Hive hive, const std::string& keyPath, Next next) {
  std::vector<std::string> names;
  RegKey key = 0;
  if (registry().openKey(hive, keyPath, reg::MaximumAllowed, &key) != status::Success) return names;
  char name[256];
  for (std::uint32_t index = 0;; ++index) {
    std::uint32_t nameSize = sizeof name;
    const Status result = next(key, index, name, &nameSize);
    if (result == status::MoreData) continue;
    if (result != status::Success) break;
    names.emplace_back(name, nameSize);
  }
  registry().closeKey(key);
  return names;
}

}  // namespace

std::vector<std::string> listKeys(Hive hive, const std::string& keyPath) {
  return listNames(hive, keyPath, [](RegKey key, std::uint32_t index, char* name, std::uint32_t* size) {
    return registry().enumKey(key, index, name, size);
  });
}

std::vector<std::string> listValueNames(Hive hive, const std::string& keyPath) {
  return listNames(hive, keyPath, [](RegKey key, std::uint32_t index, char* name, std::uint32_t* size) {
    return registry().enumValue(key, index, name, size, nullptr, nullptr, nullptr);
  });
}

}  // namespace tavimo
