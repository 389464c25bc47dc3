#include <windows.h>

#include "platform/Profile.h"

namespace tavimo {

std::uint32_t Win32Profile::getString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, char* buffer,
                                      std::uint32_t size, const std::string& fileName) {
  return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                  size, fileName.c_str());
}

bool Win32Profile::writeString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                    fileName.c_str()) != 0;
}

}  // namespace tavimo
