// INI files through the profile seam and the INI layer, with the same results from the
// portable reader/writer and from kernel32.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "ContractPlatform.h"
#include "platform/Platform.h"
#include "util/inimodule.h"

namespace tavimo::contract {
namespace {

class ProfileContract : public ::testing::Test {
 protected:
  void SetUp() override {
    Platform services = previous;
    services.profile = profile.get();
    installPlatform(services);
  }
  void TearDown() override { installPlatform(previous); }

  void writeFile(const std::string& text) {
    std::ofstream(std::filesystem::path(folder.path()) / "test.ini", std::ios::binary) << text;
  }
  std::string fileContent() {
    std::ifstream in(std::filesystem::path(folder.path()) / "test.ini", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // Reads with a 300-byte buffer of 0xcc of which the call may use `size` bytes.
  struct Read {
    std::uint32_t count;
    std::string text;
    bool restUntouched;
  };
  Read read(const std::string& section, const std::string& key, const std::string& defaultValue = "",
            std::uint32_t size = 256) {
    char buffer[300];
    std::memset(buffer, 0xcc, sizeof buffer);
    const std::uint32_t count = profile->getString(section, key, defaultValue, buffer, size, file);
    bool untouched = true;
    for (std::size_t i = count + 1; i < sizeof buffer; ++i) untouched &= buffer[i] == static_cast<char>(0xcc);
    EXPECT_EQ('\0', buffer[count]);
    return {count, std::string(buffer, std::min<std::size_t>(count, sizeof buffer)), untouched};
  }

  ScratchFolder folder;
  std::string file = folder.file("test.ini");
  std::unique_ptr<Profile> profile = makeProfile();
  Platform previous = platform();
};

TEST_F(ProfileContract, ReadsEntriesAsWindowsDoes) {
  writeFile(
      "[settings]\r\n"
      "one=1\r\n"
      "empty=\r\n"
      "  spaced  =  inner text  \r\n"
      "quoted=\"in quotes\"\r\n"
      "single='in quotes'\r\n"
      "half=\"open\r\n"
      "long=" + std::string(300, 'x') + "\r\n"
      "[Other]\r\n"
      "one=other\r\n");
  struct Case {
    const char* section;
    const char* key;
    const char* defaultValue;
    std::uint32_t count;
    std::string text;
  };
  const Case cases[] = {
      {"settings", "one", "", 1, "1"},
      {" settings", "one", "", 1, "1"},  // blanks around names do not count
      {"SETTINGS ", " ONE", "", 1, "1"},  // nor does case
      {"other", "one", "", 5, "other"},
      {"settings", "empty", "", 0, ""},
      {"settings", "empty", "dflt", 0, ""},  // an empty entry is not a missing one
      {"settings", "spaced", "", 10, "inner text"},
      {"settings", "quoted", "", 9, "in quotes"},
      {"settings", "single", "", 9, "in quotes"},
      {"settings", "half", "", 5, "\"open"},
      {"settings", "long", "", 255, std::string(255, 'x')},
      {"settings", "missing", "", 0, ""},
      {"settings", "missing", "fallback  ", 8, "fallback"},  // trailing blanks of the default go
      {"missing", "one", "", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    const Read result = read(c.section, c.key, c.defaultValue);
    EXPECT_EQ(c.count, result.count);
    EXPECT_EQ(c.text, result.text);
    EXPECT_TRUE(result.restUntouched);
  }
}

TEST_F(ProfileContract, MissingFileReadsTheDefault) {
  file = folder.file("absent.ini");
  EXPECT_EQ(0u, read("settings", "one").count);
  EXPECT_EQ(3u, read("settings", "one", "abc").count);
}

TEST_F(ProfileContract, ShortBufferCutsTheValue) {
  writeFile("[s]\r\nk=abcdef\r\n");
  const Read result = read("s", "k", "", 4);
  EXPECT_EQ(3u, result.count);
  EXPECT_EQ("abc", result.text);
  EXPECT_TRUE(result.restUntouched);
}

TEST_F(ProfileContract, WriteCreatesTheFile) {
  ASSERT_TRUE(profile->writeString("settings", "one", "1", file));
  EXPECT_EQ("[settings]\r\none=1\r\n", fileContent());
}

// Windows changes only the line it writes; Wine writes the file anew without its blank lines.
TEST_F(ProfileContract, WriteReplacesAValueAndKeepsEverythingElse_WineDropsBlankLines) {
  writeFile("; comment\r\n[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nx=3\r\n");
  ASSERT_TRUE(profile->writeString(" a", "X", "changed", file));
  const char* blankLine = runningOnWine() ? "" : "\r\n";
  EXPECT_EQ("; comment\r\n[A]\r\nx=changed\r\ny=2\r\n" + std::string(blankLine) + "[B]\r\nx=3\r\n",
            fileContent());
}

TEST_F(ProfileContract, WriteAddsAnEntryAtTheEndOfItsSection_WineDropsBlankLines) {
  writeFile("[A]\r\nx=1\r\n\r\n[B]\r\nx=3\r\n");
  ASSERT_TRUE(profile->writeString("A", "z", "  26", file));  // blanks before a value are not kept
  const char* blankLine = runningOnWine() ? "" : "\r\n";
  EXPECT_EQ("[A]\r\nx=1\r\nz=26\r\n" + std::string(blankLine) + "[B]\r\nx=3\r\n", fileContent());
  EXPECT_EQ("26", read("A", "z").text);
}

TEST_F(ProfileContract, WriteAddsASectionAtTheEnd) {
  writeFile("[A]\r\nx=1\r\n");
  ASSERT_TRUE(profile->writeString("B", "y", "2", file));
  EXPECT_EQ("[A]\r\nx=1\r\n[B]\r\ny=2\r\n", fileContent());
}

TEST_F(ProfileContract, WriteIntoAMissingFolderFails) {
  EXPECT_FALSE(profile->writeString("s", "k", "v", folder.file("missing\\test.ini")));
}

// The INI layer on this implementation.
TEST_F(ProfileContract, LayerReadsZeroForMissingAndEmptyEntries) {
  writeIni(file, "settings", "on", "1");
  writeIni(file, "settings", "blank", "");
  writeIni(file, "settings", "long", std::string(300, 'y'));
  EXPECT_EQ("1", readIni(file, " settings", "on", ""));
  EXPECT_EQ("0", readIni(file, "settings", "blank", ""));
  EXPECT_EQ("0", readIni(file, "settings", "missing", ""));
  EXPECT_EQ("0", readIni(folder.file("absent.ini"), "settings", "on", ""));
  EXPECT_EQ(std::string(255, 'y'), readIni(file, "Settings", "long", ""));
}

}  // namespace
}  // namespace tavimo::contract
