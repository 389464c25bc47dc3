#include "util/inimodule.h"

#include <algorithm>

#include "platform/Platform.h"
#include "platform/Profile.h"
#include "runtime/MsgBox.h"

namespace tavimo {

std::string readIni(const std::string& fileName, const std::string& section,
                    const std::string& key, const std::string& defaultValue) {
  char buffer[256] = {};
  const std::uint32_t length =
      platform().profile->getString(section, key, defaultValue, buffer, sizeof buffer, fileName);
  if (length == 0) return "0";
  return std::string(buffer, std::min<std::uint32_t>(length, sizeof buffer - 1));
}

void writeIni(const std::string& fileName, const std::string& section, const std::string& key,
              const std::string& value) {
  if (!platform().profile->writeString(section, key, value, fileName)) {
    rt::msgBox("", rt::mb::OkOnly);
  }
}

}  // namespace tavimo
