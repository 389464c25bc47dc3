#pragma once
// A computer for one lockdown test: fake registry with the client's keys installed, fake
// site file folder, headless forms on a virtual clock and a fake desktop whose windows and
// processes the test sets up. Helpers read registry values back with their exact types.
#include <cstdint>
#include <string>

#include "core/StoredState.h"
#include "platform/Desktop.h"
#include "support/FakePlatform.h"
#include "support/HeadlessApp.h"
#include "util/mdlRegistry.h"

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

struct LockdownComputer : FakePlatform {
  HeadlessApp h;
  FakeDesktop desktop;

  LockdownComputer() {
    Platform services = platform();
    services.desktop = &desktop;
    installPlatform(services);
    for (const stored::Key& key : stored::installedKeys) createKey(key.hive, key.path);
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

  // The calls made on the desktop that start with the prefix.
  std::vector<std::string> calls(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& c : desktop.calls)
      if (c.rfind(prefix, 0) == 0) found.push_back(c);
    return found;
  }
};

}  // namespace tavimo::testing
