#include "core/StoredState.h"

#include <array>

#include "util/clsSytemInfo.h"

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

}  // namespace tavimo::stored
