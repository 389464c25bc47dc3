#include <gtest/gtest.h>

#include "support/FakePlatform.h"

namespace tavimo {
namespace {

TEST(Files, TextLines) {
  testing::FakePlatform fakes;
  const std::string file = fakes.systemFile("aid2.log");
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\n", {"one"}},
      {"one\r\ntwo\r\nthree|255", {"one", "two", "three|255"}},
      {"one\ntwo\n", {"one", "two"}},
      {"\r\n\r\n", {"", ""}},
      {"a\rb\r\n", {"a\rb"}},  // a lone CR belongs to the line
  };
  for (const auto& [content, lines] : cases) {
    SCOPED_TRACE(content);
    ASSERT_TRUE(fakes.files.writeAll(file, content));
    EXPECT_EQ(lines, fakes.files.readLines(file));
  }
  EXPECT_EQ(std::nullopt, fakes.files.readLines(fakes.systemFile("missing.log")));

  ASSERT_TRUE(fakes.files.writeLines(file, {"Welcome", "", "Call 555"}));
  EXPECT_EQ("Welcome\r\n\r\nCall 555\r\n", fakes.files.readAll(file));
}

}  // namespace
}  // namespace tavimo
