#pragma once
// Installs fake registry, profile, system information and files for one test and puts back
// what was installed before, so a test sees a fresh, empty computer of its own. Values are
// read back with their exact types, as the client left them.
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/StoredState.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace tavimo::testing {

// A value as stored: its type and its data as text (a REG_DWORD as its decimal number).
struct StoredValue {
  std::uint32_t type = reg::None;  // None: the value does not exist
  std::string data;
  bool operator==(const StoredValue&) const = default;
};

inline StoredValue dword(std::uint32_t n) { return {reg::Dword, std::to_string(n)}; }
inline StoredValue sz(std::string text) { return {reg::Sz, std::move(text)}; }
inline const StoredValue missing{};

inline std::ostream& operator<<(std::ostream& out, const StoredValue& v) {
  return out << "{type " << v.type << ", \"" << v.data << "\"}";
}

class FakePlatform {
 public:
  FakePlatform() : previous_(platform()) {
    Platform services = previous_;
    services.registry = &registry;
    services.profile = &profile;
    services.systemInfo = &systemInfo;
    services.files = &files;
    installPlatform(services);
  }
  ~FakePlatform() { installPlatform(previous_); }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeRegistry registry;
  FakeProfile profile;
  FakeSystemInfo systemInfo;  // its system folder is a fresh temporary folder
  FakeFiles files;

  // A path in the fake system folder, the way the client builds one: folder + "\" + name.
  std::string systemFile(const std::string& name) {
    char folder[260];
    systemInfo.systemDirectory(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
  }

  StoredValue stored(const stored::Key& key, const std::string& name) {
    RegKey opened = 0;
    if (registry.openKey(key.hive, key.path, reg::Read, &opened) != status::Success) return missing;
    StoredValue value;
    char data[1024] = {};
    std::uint32_t size = sizeof data;
    if (registry.queryValue(opened, name, &value.type, data, &size) != status::Success) value = missing;
    else if (value.type == reg::Dword) value.data = std::to_string(*reinterpret_cast<std::uint32_t*>(data));
    else value.data.assign(data, size > 0 && data[size - 1] == '\0' ? size - 1 : size);
    registry.closeKey(opened);
    return value;
  }
  StoredValue stored(const stored::Value& value) { return stored(value.key, value.name); }

  // Every value name of a key with its data, in the registry's order.
  std::vector<std::pair<std::string, StoredValue>> allValues(const stored::Key& key) {
    std::vector<std::pair<std::string, StoredValue>> all;
    RegKey opened = 0;
    if (registry.openKey(key.hive, key.path, reg::Read, &opened) != status::Success) return all;
    for (std::uint32_t i = 0;; ++i) {
      char name[256];
      std::uint32_t nameSize = sizeof name;
      if (registry.enumValue(opened, i, name, &nameSize, nullptr, nullptr, nullptr) != status::Success) break;
      all.emplace_back(std::string(name, nameSize), stored(key, std::string(name, nameSize)));
    }
    registry.closeKey(opened);
    return all;
  }

 private:
  Platform previous_;
};

}  // namespace tavimo::testing
