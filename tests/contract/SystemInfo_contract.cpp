// Computer name, system folder and version through the seam, with the same results from the
// fake and from kernel32: what each call writes, counts and reports when the buffer is short.
#include <gtest/gtest.h>

#include <cstring>

#include "ContractPlatform.h"

namespace tavimo::contract {
namespace {

constexpr std::uint32_t sentinelVersion = 0xdeadbeef;

class SystemInfoContract : public ::testing::Test {
 protected:
  std::unique_ptr<SystemInfo> system = makeSystemInfo();
};

TEST_F(SystemInfoContract, ComputerNameIsCopiedWithItsLength) {
  char name[32];
  std::memset(name, 0xcc, sizeof name);
  std::uint32_t size = sizeof name;
  ASSERT_TRUE(system->computerName(name, &size));
  ASSERT_GT(size, 0u);
  EXPECT_LT(size, 16u);  // at most 15 characters on Windows
  EXPECT_EQ(size, std::strlen(name));

  char tooSmall[2];
  std::uint32_t shortSize = sizeof tooSmall;
  EXPECT_FALSE(system->computerName(tooSmall, &shortSize));
  EXPECT_EQ(size + 1, shortSize);
}

TEST_F(SystemInfoContract, SystemDirectoryHasNoFinalBackslash) {
  char folder[255];
  std::memset(folder, 0xcc, sizeof folder);
  const std::uint32_t length = system->systemDirectory(folder, sizeof folder);
  ASSERT_GT(length, 0u);
  ASSERT_LT(length, sizeof folder);
  EXPECT_EQ(length, std::strlen(folder));
  EXPECT_NE('\\', folder[length - 1]);
  EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;

  char tooSmall[2];
  EXPECT_EQ(length + 1, system->systemDirectory(tooSmall, sizeof tooSmall));
}

TEST_F(SystemInfoContract, VersionIsOfTheNtFamily) {
  OsVersion version{sentinelVersion, sentinelVersion, sentinelVersion, sentinelVersion};
  ASSERT_TRUE(system->version(&version));
  EXPECT_GE(version.major, 5u);
  EXPECT_LT(version.minor, 100u);
  EXPECT_EQ(os::PlatformNt, version.platformId);
}

}  // namespace
}  // namespace tavimo::contract
