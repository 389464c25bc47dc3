#include <gtest/gtest.h>

#include "runtime/MsgBox.h"
#include "support/FakePlatform.h"
#include "support/HeadlessApp.h"
#include "util/inimodule.h"

namespace tavimo {
namespace {

class IniTest : public ::testing::Test {
 protected:
  testing::HeadlessApp client;
  testing::FakePlatform fakes;
  std::string file = fakes.systemFile("clt_mtssecurity.ini");
};

TEST_F(IniTest, RefusedWriteShowsAnEmptyMessageBox) {
  writeIni(fakes.systemFile("missing\\charges24.ini"), "Slot I", "rates", "0.5");
  ASSERT_EQ(1u, client.backend.messageBoxes().size());
  EXPECT_EQ("", client.backend.messageBoxes()[0].prompt);
  EXPECT_EQ(rt::mb::OkOnly, client.backend.messageBoxes()[0].style);
}

TEST_F(IniTest, WriteThenRead) {
  writeIni(file, "settings", "NoRun", "1");
  writeIni(file, "settings", "NoRun", "0");
  EXPECT_TRUE(client.backend.messageBoxes().empty());
  EXPECT_EQ("0", readIni(file, "settings", "NoRun"));
  EXPECT_EQ("x", readIni(file, "settings", "Missing", "x"));
}

}  // namespace
}  // namespace tavimo
