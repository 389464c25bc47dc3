#include <gtest/gtest.h>

#include <chrono>

#include "util/RegeditText.h"

namespace tavimo {
namespace {

// A backup with many keys is read in time in proportion to its size: looking each key up
// among all the keys before it took minutes for a file of a few megabytes.
TEST(RegeditText, ManyKeysParseInProportionToTheirNumber) {
  constexpr int keys = 100000;
  const std::string top = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers";
  std::string text = "REGEDIT4\r\n\r\n[" + top + "]\r\n";
  for (int i = 0; i < keys; ++i) text += "[" + top + "\\key " + std::to_string(i) + "]\r\n\"n\"=\"v\"\r\n";
  const auto start = std::chrono::steady_clock::now();
  const auto parsed = parseRegedit(text);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  ASSERT_TRUE(parsed);
  ASSERT_EQ(static_cast<std::size_t>(keys), parsed->subkeys.size());
  EXPECT_EQ("key 99999", parsed->subkeys.back().name);
  EXPECT_EQ(1u, parsed->subkeys.back().values.size());
}

}  // namespace
}  // namespace tavimo
