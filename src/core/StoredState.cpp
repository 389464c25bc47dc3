#include "core/StoredState.h"

#include <array>

#include "util/clsSytemInfo.h"
#include "util/mdlRegistry.h"

namespace tavimo::stored {

Value panelFlag(int number) {
  static const std::array<std::string, panelFlagCount> names = [] {
    std::array<std::string, panelFlagCount> n;
    for (int i = 0; i < panelFlagCount; ++i) n[i] = "a" + std::to_string(i);
    return n;
  }();
  return {javaKey, names.at(number).c_str(), reg::Dword};
}

std::string systemFile(const char* name) { return clsSytemInfo().strWinsysdir() + name; }

void write(const Value& value, const Variant& data) { writeValue(value.key.hive, value.key.path, value.name, data, value.type); }

Variant read(const Value& value) { return readValue(value.key.hive, value.key.path, value.name); }

std::string readText(const Value& value) { return tavimo::readText(value.key.hive, value.key.path, value.name); }

void remove(const Value& value) { deleteValue(value.key.hive, value.key.path, value.name); }

}  // namespace tavimo::stored
