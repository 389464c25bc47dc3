#include "util/clsSytemInfo.h"

#include <charconv>

#include "platform/Platform.h"
#include "platform/SystemInfo.h"

namespace tavimo {

clsSytemInfo::clsSytemInfo() {
  SystemInfo& system = *platform().systemInfo;

  char name[32];
  std::uint32_t nameSize = sizeof name;
  if (system.computerName(name, &nameSize)) computerName_.assign(name, nameSize);

  OsVersion version;
  if (system.version(&version)) {
    const std::string text = std::to_string(version.major) + "." + std::to_string(version.minor);
    std::from_chars(text.data(), text.data() + text.size(), version_);
  }

  char folder[255];
  const std::uint32_t length = system.systemDirectory(folder, sizeof folder);
  if (length < sizeof folder) systemDirectory_.assign(folder, length);
}

}  // namespace tavimo
