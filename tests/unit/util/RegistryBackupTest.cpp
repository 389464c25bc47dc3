#include <gtest/gtest.h>

#include <functional>

#include "support/FakePlatform.h"
#include "util/RegistryBackup.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using namespace std::string_literals;

constexpr const char* timers = "SOFTWARE\\Tavimo\\Timers";

// The section line of a key so many levels below the saved Timers key.
std::string deepKey(int levels) {
  std::string name = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers";
  for (int i = 0; i < levels; ++i) name += "\\k";
  return name + "]";
}

class RegistryBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createKey(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers\\Programs");
    writeValue(HKEY_LOCAL_MACHINE, timers, "UserId", "guest", REG_SZ);
    writeValue(HKEY_LOCAL_MACHINE, timers, "Status", 1, REG_DWORD);
    writeValue(HKEY_LOCAL_MACHINE, timers, "Elapsed", "0:12:7", REG_SZ);
    writeValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers\\Programs", "Notepad", "C:\\WINDOWS\\notepad.exe",
               REG_SZ);
  }

  // Every value and subkey below a key, as one text to compare.
  std::string dump(const std::string& path) {
    std::string text;
    RegKey key = 0;
    if (fakes.registry.openKey(HKEY_LOCAL_MACHINE, path, reg::Read, &key) != status::Success) return "missing";
    char name[256];
    unsigned char data[1024];
    for (std::uint32_t i = 0;; ++i) {
      std::uint32_t nameSize = sizeof name, dataSize = sizeof data, type = 0;
      if (fakes.registry.enumValue(key, i, name, &nameSize, &type, data, &dataSize) != status::Success) break;
      text += std::string(name, nameSize) + ":" + std::to_string(type) + "=" +
              std::string(reinterpret_cast<char*>(data), dataSize) + ";";
    }
    for (std::uint32_t i = 0;; ++i) {
      std::uint32_t size = sizeof name;
      if (fakes.registry.enumKey(key, i, name, &size) != status::Success) break;
      text += "[" + std::string(name, size) + ":" + dump(path + "\\" + std::string(name, size)) + "]";
    }
    fakes.registry.closeKey(key);
    return text;
  }

  testing::FakePlatform fakes;
  std::string file = fakes.systemFile("ScTest.reg");
};

TEST_F(RegistryBackupTest, SavesARegeditExport) {
  writeValue(HKEY_LOCAL_MACHINE, timers, "GuestName", "Jo \"Ace\" C:\\", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, timers, "Continue", 10, REG_DWORD);
  ASSERT_TRUE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_EQ(
      "REGEDIT4\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers]\r\n"
      "\"UserId\"=\"guest\"\r\n"
      "\"Status\"=dword:00000001\r\n"
      "\"Elapsed\"=\"0:12:7\"\r\n"
      "\"GuestName\"=\"Jo \\\"Ace\\\" C:\\\\\"\r\n"
      "\"Continue\"=dword:0000000a\r\n"
      "\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers\\Programs]\r\n"
      "\"Notepad\"=\"C:\\\\WINDOWS\\\\notepad.exe\"\r\n"
      "\r\n",
      fakes.files.readAll(file));
}

TEST_F(RegistryBackupTest, RestoreBringsBackExactlyWhatWasSaved) {
  ASSERT_TRUE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, file));
  const std::string saved = dump(timers);

  writeValue(HKEY_LOCAL_MACHINE, timers, "UserId", "anna", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, timers, "Amount", "12.5", REG_SZ);
  deleteValue(HKEY_LOCAL_MACHINE, timers, "Elapsed");
  deleteValue(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers\\Programs", "Notepad");
  createKey(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers\\Extra\\Deeper");
  ASSERT_NE(saved, dump(timers));

  ASSERT_TRUE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers", file));
  EXPECT_EQ(saved, dump(timers));
  EXPECT_EQ(0u, fakes.registry.openHandles());
}

TEST_F(RegistryBackupTest, EveryKindOfValueSurvivesTheFile) {
  const RegKey key = [&] {
    RegKey opened = 0;
    fakes.registry.openKey(HKEY_LOCAL_MACHINE, timers, reg::FullAccess, &opened);
    return opened;
  }();
  const std::pair<std::string, std::pair<std::uint32_t, std::string>> values[] = {
      {"", {reg::Sz, "default\0"s}},
      {"empty text", {reg::Sz, ""}},
      {"only terminator", {reg::Sz, "\0"s}},
      {"two lines", {reg::Sz, "a\r\nb\0"s}},
      {"inner zero", {reg::Sz, "a\0b\0"s}},
      {"binary", {reg::Binary, "\x01\x02\xff"s}},
      {"empty binary", {reg::Binary, ""}},
      {"expand", {reg::ExpandSz, "%WINDIR%\\x\0"s}},
      {"multi", {reg::MultiSz, "a\0b\0\0"s}},
      {"short dword", {reg::Dword, "\x01\x02"s}},
      {"ansi \xe9", {reg::Sz, "caf\xe9\0"s}},
      {"quote \" and \\", {reg::Sz, "\"\\\0"s}},
  };
  for (const auto& [name, value] : values) {
    fakes.registry.setValue(key, name, value.first, value.second.data(), static_cast<std::uint32_t>(value.second.size()));
  }
  fakes.registry.closeKey(key);
  const std::string saved = dump(timers);

  ASSERT_TRUE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, file));
  deleteKey(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Timers\\Programs");
  for (const auto& [name, value] : values) deleteValue(HKEY_LOCAL_MACHINE, timers, name);
  ASSERT_TRUE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_EQ(saved, dump(timers));
}

TEST_F(RegistryBackupTest, SaveReplacesTheOldFileInOneStep) {
  ASSERT_TRUE(fakes.files.writeAll(file, "old backup"));
  ASSERT_TRUE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_EQ(0u, fakes.files.readAll(file)->find("REGEDIT4\r\n"));
  EXPECT_FALSE(fakes.files.exists(file + ".tmp"));
}

TEST_F(RegistryBackupTest, FailedSaveKeepsTheOldFile) {
  ASSERT_TRUE(fakes.files.writeAll(file, "old backup"));
  EXPECT_FALSE(saveKeyToFile(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Missing", file));
  EXPECT_FALSE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, fakes.systemFile("missing\\ScTest.reg")));
  EXPECT_EQ("old backup", fakes.files.readAll(file));
}

TEST_F(RegistryBackupTest, UnusableFileLeavesTheKeyAsItIs) {
  const std::string header = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers]\r\n";
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"another format", "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\X]\r\n"},
      {"no key", "REGEDIT4\r\n\r\n\"UserId\"=\"x\"\r\n"},
      {"torn line", header + "\"UserId\"=\"gu"},
      {"bad escape", header + "\"UserId\"=\"a\\n\"\r\n"},
      {"bad number", header + "\"Status\"=dword:1234567890\r\n"},
      {"bad bytes", header + "\"Bin\"=hex:01,0\r\n"},
      {"key outside", header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n"},
      {"deletion", header + "\"UserId\"=-\r\n"},
      {"deeper than a key can be", header + deepKey(513) + "\r\n"},
      {"a key without a name", header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers\\\\k]\r\n\"UserId\"=\"x\"\r\n"},
      {"a name ending in a separator", header + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers\\k\\]\r\n"},
  };
  const std::string before = dump(timers);
  for (const auto& [what, content] : files) {
    SCOPED_TRACE(what);
    ASSERT_TRUE(fakes.files.writeAll(file, content));
    EXPECT_FALSE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, timers, file));
    EXPECT_EQ(before, dump(timers));
  }
  ASSERT_TRUE(fakes.files.remove(file));
  EXPECT_FALSE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_EQ(before, dump(timers));
}

TEST_F(RegistryBackupTest, RestoreNeedsTheKey) {
  ASSERT_TRUE(saveKeyToFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_FALSE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Elsewhere", file));
  EXPECT_EQ("missing", dump("Software\\Tavimo\\Elsewhere"));
}

// Subkeys are matched without regard to case, wherever in the file they are named again.
TEST_F(RegistryBackupTest, AKeyNamedAgainIsTheSameKey) {
  const std::string top = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tavimo\\Timers";
  ASSERT_TRUE(fakes.files.writeAll(file, "REGEDIT4\r\n\r\n" + top + "]\r\n" + top + "\\Programs]\r\n\"a\"=\"1\"\r\n" +
                                             top + "\\Other]\r\n" + top + "\\PROGRAMS]\r\n\"b\"=\"2\"\r\n" + deepKey(512) +
                                             "\r\n"));
  ASSERT_TRUE(restoreKeyFromFile(HKEY_LOCAL_MACHINE, timers, file));
  EXPECT_EQ((std::vector<std::string>{"k", "Other", "Programs"}), listKeys(HKEY_LOCAL_MACHINE, timers));
  EXPECT_EQ("a:1=1\0;b:1=2\0;"s, dump("Software\\Tavimo\\Timers\\Programs"));
}

}  // namespace
}  // namespace tavimo
