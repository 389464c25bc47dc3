#include <gtest/gtest.h>

#include <locale>

#include "support/FakePlatform.h"
#include "util/clsSytemInfo.h"

namespace tavimo {
namespace {

// A number format with a decimal comma, as on many café computers.
struct DecimalComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(clsSytemInfo, VersionNumberIsMajorPointMinor) {
  const std::pair<OsVersion, double> cases[] = {
      {os::Windows98, 4.1}, {os::WindowsMe, 4.9}, {os::Windows2000, 5.0}, {os::WindowsXp, 5.1},
      {os::Windows10, 10.0}, {{4, 0, 950, os::PlatformWindows}, 4.0}, {{6, 1, 7601, os::PlatformNt}, 6.1},
  };
  testing::FakePlatform fakes;
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
  for (const auto& [version, number] : cases) {
    SCOPED_TRACE(number);
    fakes.systemInfo.setVersion(version);
    EXPECT_EQ(number, clsSytemInfo().strWinversion());
  }
  std::locale::global(previous);
}

TEST(clsSytemInfo, NameAndSystemFolder) {
  testing::FakePlatform fakes;
  fakes.systemInfo.setComputerName("PC07");
  fakes.systemInfo.setSystemDirectory("C:\\WINDOWS\\system32");
  const clsSytemInfo info;
  EXPECT_EQ("PC07", info.strComputername());
  EXPECT_EQ("C:\\WINDOWS\\system32", info.strWinsysdir());

  // Read once: later changes reach only new instances.
  fakes.systemInfo.setComputerName("PC08");
  EXPECT_EQ("PC07", info.strComputername());
  EXPECT_EQ("PC08", clsSytemInfo().strComputername());
}

}  // namespace
}  // namespace tavimo
