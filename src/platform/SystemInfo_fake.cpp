#include <cstring>
#include <random>
#include <system_error>

#include "platform/SystemInfo.h"

namespace tavimo {

namespace {

std::filesystem::path makeOwnFolder() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto folder = base / ("tavimo-system-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder)) return folder;
  }
}

}  // namespace

FakeSystemInfo::FakeSystemInfo()
    : ownFolder_(makeOwnFolder()), systemDirectory_(ownFolder_.string()) {}

FakeSystemInfo::~FakeSystemInfo() {
  std::error_code ignored;
  std::filesystem::remove_all(ownFolder_, ignored);
}

bool FakeSystemInfo::computerName(char* buffer, std::uint32_t* size) {
  if (!buffer || !size) return false;
  const auto length = static_cast<std::uint32_t>(computerName_.size());
  if (*size < length + 1) {
    *size = length + 1;
    return false;
  }
  std::memcpy(buffer, computerName_.c_str(), length + 1);
  *size = length;
  return true;
}

std::uint32_t FakeSystemInfo::systemDirectory(char* buffer, std::uint32_t size) {
  const auto length = static_cast<std::uint32_t>(systemDirectory_.size());
  if (!buffer || size < length + 1) return length + 1;
  std::memcpy(buffer, systemDirectory_.c_str(), length + 1);
  return length;
}

bool FakeSystemInfo::version(OsVersion* version) {
  if (!version) return false;
  *version = version_;
  return true;
}

}  // namespace tavimo
