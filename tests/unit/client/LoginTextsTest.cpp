#include <gtest/gtest.h>

#include <filesystem>

#include "login/LoginTexts.h"
#include "platform/FakePath.h"
#include "support/HeadlessClient.h"
#include "support/LoginTextLabels.h"

namespace tavimo {
namespace {

class LoginTexts : public ::testing::Test {
 protected:
  LoginTexts() {
    // The program runs from the fake system folder; its texts are in "systemfiles" below it.
    c.h.backend.setProgramFile(c.systemFile("TavimoClient.exe"));
    std::filesystem::create_directories(fakePath(c.systemFile("systemfiles")));
  }
  std::string file(const char* name) { return c.systemFile("systemfiles\\") + name; }
  testing::HeadlessClient c;
};

TEST_F(LoginTexts, TextBeforeTheBarColourAfterIt) {
  struct Row {
    const char* content;
    const char* caption;
    long color;
  };
  const long ownColor = rt::rgb(172, 10, 0);
  const Row rows[] = {
      {"Welcome to Cafe Nova|255", "Welcome to Cafe Nova", 255},
      {"Welcome| &HAAC \r\n", "Welcome", 0xAAC},
      {"Open|24h|255", "Open", ownColor},  // a second bar: the colour part does not convert
      {"No colour at all", "No colour at all", ownColor},
      {"Header|red", "Header", ownColor},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.content);
    auto& f = c.h.app.form<frmTexts>();
    c.files.writeAll(file("aid.log"), row.content);
    loadLoginTexts(f.first, f.second);
    EXPECT_EQ(f.first.caption(), row.caption);
    EXPECT_EQ(f.first.foreColor(), row.color);
    f.unload();
    c.h.backend.advance(0);
  }
}

TEST_F(LoginTexts, ThreeLinesStayThreeLinesAndTheLabelGrows) {
  auto& f = c.h.app.form<frmTexts>();
  c.files.writeAll(file("aid2.log"), "Surf fast\r\nCall 555-0100\r\nMain Street 1|&H119901");
  loadLoginTexts(f.first, f.second);
  EXPECT_EQ(f.second.caption(), "Surf fast\r\nCall 555-0100\r\nMain Street 1");
  EXPECT_EQ(f.second.foreColor(), 0x119901);
  EXPECT_EQ(f.second.height(), 3 * 195);
}

// A million lines: the label shows the first 64 KiB of them, and the colour after the bar
// still counts.
TEST_F(LoginTexts, AMillionLinesShowOnlyTheirStart) {
  auto& f = c.h.app.form<frmTexts>();
  std::string lines;
  for (int i = 0; i < 1'000'000; ++i) lines += "Welcome\r\n";
  c.files.writeAll(file("aid.log"), lines + "|255");
  loadLoginTexts(f.first, f.second);
  EXPECT_EQ(f.first.caption(), lines.substr(0, 64 * 1024));
  EXPECT_EQ(f.first.foreColor(), 255);
}

TEST_F(LoginTexts, MissingFilesAreCreatedEmptyAndChangeNothing) {
  auto& f = c.h.app.form<frmTexts>();
  loadLoginTexts(f.first, f.second);
  EXPECT_TRUE(c.files.exists(file("aid.log")));
  EXPECT_TRUE(c.files.exists(file("aid2.log")));
  EXPECT_EQ(f.first.caption(), "");
  EXPECT_EQ(f.second.foreColor(), rt::rgb(1, 153, 17));
}

}  // namespace
}  // namespace tavimo
