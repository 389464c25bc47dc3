// The registry seam and the registry layer on top of it, with the same results from the
// in-memory fake and from advapi32. Every case works below a scratch key of its own.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "ContractPlatform.h"
#include "platform/Platform.h"
#include "util/mdlRegistry.h"

namespace tavimo::contract {
namespace {

constexpr const char* scratchPath = "Software\\TavimoContractTest";
constexpr std::uint32_t sentinel = 0xdeadbeef;

class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override {
    registry->deleteTree(reg::CurrentUser, scratchPath);
    ASSERT_EQ(status::Success, registry->createKey(reg::CurrentUser, scratchPath,
                                                   reg::FullAccess, &key, nullptr));
    Platform services = previous;
    services.registry = registry.get();
    installPlatform(services);
  }
  void TearDown() override {
    installPlatform(previous);
    registry->closeKey(key);
    registry->deleteTree(reg::CurrentUser, scratchPath);
    RegKey gone = 0;
    EXPECT_EQ(status::FileNotFound, registry->openKey(reg::CurrentUser, scratchPath, reg::Read, &gone));
  }

  void setString(const std::string& name, const std::string& text) {
    ASSERT_EQ(status::Success, registry->setValue(key, name, reg::Sz, text.data(),
                                                  static_cast<std::uint32_t>(text.size())));
  }

  std::vector<std::string> valueNames(RegKey of) {
    std::vector<std::string> names;
    char name[256];
    for (std::uint32_t index = 0;; ++index) {
      std::uint32_t size = sizeof name;
      if (registry->enumValue(of, index, name, &size, nullptr, nullptr, nullptr) != status::Success) {
        return names;
      }
      names.emplace_back(name, size);
    }
  }

  std::unique_ptr<Registry> registry = makeRegistry();
  RegKey key = 0;
  Platform previous = platform();
};

TEST_F(RegistryContract, StringWrittenWithoutTerminatorIsStoredWithOne) {
  setString("Text", "abc");

  std::uint32_t type = sentinel, size = sentinel;
  ASSERT_EQ(status::Success, registry->queryValue(key, "Text", &type, nullptr, &size));
  EXPECT_EQ(reg::Sz, type);
  EXPECT_EQ(4u, size);

  unsigned char buffer[16];
  std::memset(buffer, 0xcc, sizeof buffer);
  size = sizeof buffer;
  ASSERT_EQ(status::Success, registry->queryValue(key, "Text", &type, buffer, &size));
  EXPECT_EQ(4u, size);
  EXPECT_EQ(0, std::memcmp(buffer, "abc", 4));  // with its terminator
  for (std::size_t i = 4; i < sizeof buffer; ++i) EXPECT_EQ(0xcc, buffer[i]) << "byte " << i;
}

TEST_F(RegistryContract, QueryIntoSmallBufferTellsTheSizeNeeded) {
  setString("Text", "abcdef");
  char buffer[3];
  std::uint32_t type = sentinel, size = sizeof buffer;
  EXPECT_EQ(status::MoreData, registry->queryValue(key, "Text", &type, buffer, &size));
  EXPECT_EQ(7u, size);
  EXPECT_EQ(reg::Sz, type);
}

TEST_F(RegistryContract, MissingValueHasSizeZero) {
  std::uint32_t type = sentinel, size = sentinel;
  EXPECT_EQ(status::FileNotFound, registry->queryValue(key, "Missing", &type, nullptr, &size));
  EXPECT_EQ(0u, size);  // the type is left undefined: Windows puts any value there
  EXPECT_EQ(status::FileNotFound, registry->deleteValue(key, "Missing"));
}

TEST_F(RegistryContract, MissingKeyDoesNotOpenAndClearsTheHandle) {
  RegKey opened = sentinel;
  EXPECT_EQ(status::FileNotFound, registry->openKey(key, "Missing\\Deeper", reg::FullAccess, &opened));
  EXPECT_EQ(0u, opened);
}

TEST_F(RegistryContract, HiveWithEmptyPathOpensTheHive) {
  RegKey opened = sentinel;
  ASSERT_EQ(status::Success, registry->openKey(reg::CurrentUser, "", reg::Read, &opened));
  EXPECT_EQ(reg::CurrentUser, opened);
  EXPECT_EQ(status::Success, registry->closeKey(opened));
}

TEST_F(RegistryContract, NamesIgnoreCase) {
  setString("MixedCase", "x");
  std::uint32_t size = 0;
  EXPECT_EQ(status::Success, registry->queryValue(key, "MIXEDCASE", nullptr, nullptr, &size));

  RegKey opened = 0;
  std::uint32_t disposition = sentinel;
  ASSERT_EQ(status::Success, registry->createKey(reg::CurrentUser, "SOFTWARE\\tavimocontracttest",
                                                 reg::FullAccess, &opened, &disposition));
  EXPECT_EQ(reg::OpenedExistingKey, disposition);
  EXPECT_EQ(status::Success, registry->queryValue(opened, "mixedcase", nullptr, nullptr, &size));
  registry->closeKey(opened);
}

TEST_F(RegistryContract, CreateKeyMakesTheKeysOnTheWay) {
  RegKey created = sentinel;
  std::uint32_t disposition = sentinel;
  ASSERT_EQ(status::Success, registry->createKey(key, "A\\B\\C", reg::FullAccess, &created, &disposition));
  EXPECT_EQ(reg::CreatedNewKey, disposition);
  registry->closeKey(created);
  ASSERT_EQ(status::Success, registry->createKey(key, "A\\B\\C", reg::FullAccess, &created, &disposition));
  EXPECT_EQ(reg::OpenedExistingKey, disposition);
  registry->closeKey(created);
  RegKey middle = 0;
  EXPECT_EQ(status::Success, registry->openKey(key, "A\\B", reg::Read, &middle));
  registry->closeKey(middle);
}

TEST_F(RegistryContract, DeleteKeyFailsWhileTheKeyHasSubkeys) {
  RegKey created = 0;
  ASSERT_EQ(status::Success, registry->createKey(key, "Parent\\Child", reg::FullAccess, &created, nullptr));
  registry->closeKey(created);
  EXPECT_EQ(status::AccessDenied, registry->deleteKey(key, "Parent"));
  EXPECT_EQ(status::Success, registry->deleteKey(key, "Parent\\Child"));
  EXPECT_EQ(status::Success, registry->deleteKey(key, "Parent"));
  EXPECT_EQ(status::FileNotFound, registry->deleteKey(key, "Parent"));
}

TEST_F(RegistryContract, DeleteTreeTakesTheKeyWithEverythingBelowIt) {
  for (const char* path : {"Tree\\A\\B", "Tree\\C", "Sibling"}) {
    RegKey created = 0;
    ASSERT_EQ(status::Success, registry->createKey(key, path, reg::FullAccess, &created, nullptr));
    registry->closeKey(created);
  }
  RegKey deep = 0;
  ASSERT_EQ(status::Success, registry->openKey(key, "Tree\\A\\B", reg::FullAccess, &deep));
  ASSERT_EQ(status::Success, registry->setValue(deep, "V", reg::Sz, "x", 1));

  EXPECT_EQ(status::Success, registry->deleteTree(key, "tree"));
  RegKey gone = sentinel;
  EXPECT_EQ(status::FileNotFound, registry->openKey(key, "Tree", reg::Read, &gone));
  EXPECT_EQ(status::KeyDeleted, registry->setValue(deep, "V", reg::Sz, "y", 1));
  EXPECT_EQ(status::Success, registry->closeKey(deep));
  EXPECT_EQ(status::FileNotFound, registry->deleteTree(key, "Tree"));

  RegKey sibling = 0;
  EXPECT_EQ(status::Success, registry->openKey(key, "Sibling", reg::Read, &sibling));
  registry->closeKey(sibling);
  setString("Kept", "x");
  EXPECT_EQ(status::InvalidParameter, registry->deleteTree(key, ""));
  EXPECT_EQ(std::vector<std::string>{"Kept"}, valueNames(key));
}

TEST_F(RegistryContract, HandleOfADeletedKeyFails) {
  RegKey gone = 0;
  ASSERT_EQ(status::Success, registry->createKey(key, "Gone", reg::FullAccess, &gone, nullptr));
  ASSERT_EQ(status::Success, registry->deleteKey(key, "Gone"));
  EXPECT_EQ(status::KeyDeleted, registry->setValue(gone, "x", reg::Sz, "1", 1));
  EXPECT_EQ(status::Success, registry->closeKey(gone));
}

TEST_F(RegistryContract, KeyOpenedForReadingRefusesWrites) {
  setString("Text", "abc");
  RegKey reading = 0;
  ASSERT_EQ(status::Success, registry->openKey(reg::CurrentUser, scratchPath, reg::Read, &reading));
  EXPECT_EQ(status::AccessDenied, registry->setValue(reading, "Text", reg::Sz, "x", 1));
  EXPECT_EQ(status::AccessDenied, registry->deleteValue(reading, "Text"));
  std::uint32_t size = 0;
  EXPECT_EQ(status::Success, registry->queryValue(reading, "Text", nullptr, nullptr, &size));
  registry->closeKey(reading);
}

TEST_F(RegistryContract, EnumValueGivesNameTypeAndData) {
  const std::uint32_t two = 2;
  ASSERT_EQ(status::Success, registry->setValue(key, "Two", reg::Dword, &two, sizeof two));

  char name[255];
  unsigned char data[255];
  std::memset(name, 0xcc, sizeof name);
  std::memset(data, 0xcc, sizeof data);
  std::uint32_t nameSize = sizeof name, dataSize = sizeof data, type = sentinel;
  ASSERT_EQ(status::Success, registry->enumValue(key, 0, name, &nameSize, &type, data, &dataSize));
  EXPECT_EQ(3u, nameSize);
  EXPECT_EQ(0, std::memcmp(name, "Two", 4));
  EXPECT_EQ(static_cast<char>(0xcc), name[4]);
  EXPECT_EQ(reg::Dword, type);
  EXPECT_EQ(4u, dataSize);
  EXPECT_EQ(0, std::memcmp(data, &two, 4));
  EXPECT_EQ(0xcc, data[4]);

  nameSize = sizeof name;
  dataSize = sizeof data;
  EXPECT_EQ(status::NoMoreItems, registry->enumValue(key, 1, name, &nameSize, &type, data, &dataSize));
}

TEST_F(RegistryContract, EnumValueOfAValueTooBigForTheBufferTellsTheSizeOnly) {
  const std::string big(300, 'x');
  ASSERT_EQ(status::Success, registry->setValue(key, "Big", reg::Binary, big.data(), 300));
  char name[255];
  unsigned char data[255];
  std::memset(name, 0xcc, sizeof name);
  std::memset(data, 0xcc, sizeof data);
  std::uint32_t nameSize = sizeof name, dataSize = sizeof data, type = sentinel;
  EXPECT_EQ(status::MoreData, registry->enumValue(key, 0, name, &nameSize, &type, data, &dataSize));
  EXPECT_EQ(sizeof name, nameSize);
  EXPECT_EQ(static_cast<char>(0xcc), name[0]);
  EXPECT_EQ(0xcc, data[0]);
  EXPECT_EQ(reg::Binary, type);
  EXPECT_EQ(300u, dataSize);

  // Without a data buffer the name comes.
  dataSize = sentinel;
  ASSERT_EQ(status::Success, registry->enumValue(key, 0, name, &nameSize, nullptr, nullptr, &dataSize));
  EXPECT_EQ("Big", std::string(name, nameSize));
  EXPECT_EQ(300u, dataSize);
}

// What lands in a name buffer that is too short differs between Windows versions: not checked.
TEST_F(RegistryContract, EnumValueWithAShortNameBufferTellsTheDataSize) {
  setString("Longer", "x");
  char name[3];
  std::uint32_t nameSize = sizeof name, dataSize = 16, type = sentinel;
  unsigned char data[16];
  EXPECT_EQ(status::MoreData, registry->enumValue(key, 0, name, &nameSize, &type, data, &dataSize));
  EXPECT_EQ(3u, nameSize);
  EXPECT_EQ(reg::Sz, type);
  EXPECT_EQ(2u, dataSize);
}

// Windows lists values in the order they were first written; Wine keeps them sorted by name.
TEST_F(RegistryContract, ValuesListInWritingOrder_WineSortsThem) {
  for (const char* name : {"beta", "Alpha", "gamma"}) setString(name, "x");
  setString("beta", "rewritten");  // keeps its place
  const std::vector<std::string> windowsOrder{"beta", "Alpha", "gamma"};
  const std::vector<std::string> wineOrder{"Alpha", "beta", "gamma"};
  EXPECT_EQ(runningOnWine() ? wineOrder : windowsOrder, valueNames(key));
}

TEST_F(RegistryContract, SubkeysListInNameOrder) {
  for (const char* name : {"beta", "Alpha", "gamma"}) {
    RegKey created = 0;
    ASSERT_EQ(status::Success, registry->createKey(key, name, reg::FullAccess, &created, nullptr));
    registry->closeKey(created);
  }
  std::vector<std::string> names;
  char name[256];
  std::uint32_t size = sizeof name;
  for (std::uint32_t index = 0; registry->enumKey(key, index, name, &size) == status::Success; ++index) {
    names.emplace_back(name, size);
    size = sizeof name;
  }
  EXPECT_EQ((std::vector<std::string>{"Alpha", "beta", "gamma"}), names);

  char tooSmall[4];
  std::memset(tooSmall, 0xcc, sizeof tooSmall);
  size = sizeof tooSmall;
  EXPECT_EQ(status::MoreData, registry->enumKey(key, 0, tooSmall, &size));
  EXPECT_EQ(static_cast<char>(0xcc), tooSmall[0]);
  size = sizeof name;
  EXPECT_EQ(status::NoMoreItems, registry->enumKey(key, 3, name, &size));
}

// The registry layer on this implementation: what a read gives for what is stored.
TEST_F(RegistryContract, LayerReadsWhatIsStored) {
  const std::string path = scratchPath;
  const std::string missingKey = path + "\\Missing";
  struct Case {
    const char* what;
    std::function<void()> store;
    std::string keyPath;
    Variant expected;
  };
  const Case cases[] = {
      {"text comes back with its terminator", [&] { writeValue(HKEY_CURRENT_USER, path, "V", "abc", REG_SZ); },
       path, Variant(std::string("abc\0", 4))},
      {"empty text stays empty", [&] { writeValue(HKEY_CURRENT_USER, path, "V", "", REG_SZ); }, path,
       Variant(std::string())},
      {"a number", [&] { writeValue(HKEY_CURRENT_USER, path, "V", 10, REG_DWORD); }, path, Variant(10)},
      {"text \"1\" as type 4 is the number 1", [&] { writeValue(HKEY_CURRENT_USER, path, "V", "1", REG_DWORD); },
       path, Variant(1)},
      {"type 4 with no number writes nothing", [&] { writeValue(HKEY_CURRENT_USER, path, "V", "one", REG_DWORD); },
       path, Variant()},
      {"another type writes nothing", [&] { writeValue(HKEY_CURRENT_USER, path, "V", "x", 3); }, path, Variant()},
      {"missing value", [] {}, path, Variant()},
      {"REG_BINARY reads empty", [&] { registry->setValue(key, "V", reg::Binary, "ab", 2); }, path, Variant()},
      {"value in a missing key", [] {}, missingKey, Variant()},
      {"a write into a missing key is lost", [&] { writeValue(HKEY_CURRENT_USER, missingKey, "V", "x", REG_SZ); },
       missingKey, Variant()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    registry->deleteValue(key, "V");
    c.store();
    EXPECT_EQ(c.expected, readValue(HKEY_CURRENT_USER, c.keyPath, "V"));
  }
  RegKey notCreated = 0;
  EXPECT_EQ(status::FileNotFound, registry->openKey(reg::CurrentUser, missingKey, reg::Read, &notCreated));
}

TEST_F(RegistryContract, LayerReadsTextWithoutItsTerminator) {
  writeValue(HKEY_CURRENT_USER, scratchPath, "UserId", "anna", REG_SZ);
  EXPECT_EQ("anna", readText(HKEY_CURRENT_USER, scratchPath, "userid"));
  EXPECT_EQ("", readText(HKEY_CURRENT_USER, scratchPath, "Missing"));
}

TEST_F(RegistryContract, LayerFlagReadsTheSameAsTextOrNumber) {
  writeValue(HKEY_CURRENT_USER, scratchPath, "Flag", "0", REG_SZ);
  EXPECT_EQ(std::optional<bool>(false), readValue(HKEY_CURRENT_USER, scratchPath, "Flag").asBool());
  writeValue(HKEY_CURRENT_USER, scratchPath, "Flag", 0, REG_DWORD);
  EXPECT_EQ(std::optional<bool>(false), readValue(HKEY_CURRENT_USER, scratchPath, "Flag").asBool());
  writeValue(HKEY_CURRENT_USER, scratchPath, "Flag", "1", REG_SZ);
  EXPECT_EQ(std::optional<bool>(true), readValue(HKEY_CURRENT_USER, scratchPath, "Flag").asBool());
}

TEST_F(RegistryContract, LayerListsOnlyValuesWithData) {
  writeValue(HKEY_CURRENT_USER, scratchPath, "Empty", "", REG_SZ);
  writeValue(HKEY_CURRENT_USER, scratchPath, "Full", "x", REG_SZ);
  writeValue(HKEY_CURRENT_USER, scratchPath, "Number", 0, REG_DWORD);
  writeValue(HKEY_CURRENT_USER, scratchPath, "Path", std::string(400, 'p'), REG_SZ);
  EXPECT_EQ((std::vector<std::string>{"Full", "Number", "Path"}), listValues(HKEY_CURRENT_USER, scratchPath));

  for (const char* name : {"Full", "Number", "Path"}) deleteValue(HKEY_CURRENT_USER, scratchPath, name);
  EXPECT_TRUE(listBlockValues(HKEY_CURRENT_USER, scratchPath).empty());
  EXPECT_EQ((std::vector<std::string>{"Empty"}), valueNames(key));
}

TEST_F(RegistryContract, LayerListsEveryValueName) {
  writeValue(HKEY_CURRENT_USER, scratchPath, "Empty", "", REG_SZ);
  writeValue(HKEY_CURRENT_USER, scratchPath, "Number", 0, REG_DWORD);
  writeValue(HKEY_CURRENT_USER, scratchPath, "Path", std::string(400, 'p'), REG_SZ);
  EXPECT_EQ((std::vector<std::string>{"Empty", "Number", "Path"}), listValueNames(HKEY_CURRENT_USER, scratchPath));
  EXPECT_TRUE(listValueNames(HKEY_CURRENT_USER, std::string(scratchPath) + "\\Missing").empty());
}

TEST_F(RegistryContract, LayerCreatesAndDeletesKeys) {
  const std::string child = std::string(scratchPath) + "\\Child";
  createKey(HKEY_CURRENT_USER, child + "\\Grandchild");
  writeValue(HKEY_CURRENT_USER, child, "V", "x", REG_SZ);
  deleteKey(HKEY_CURRENT_USER, child);  // has a subkey: stays
  EXPECT_EQ(Variant(std::string("x\0", 2)), readValue(HKEY_CURRENT_USER, child, "V"));
  deleteKey(HKEY_CURRENT_USER, child + "\\Grandchild");
  deleteKey(HKEY_CURRENT_USER, child);
  EXPECT_EQ(Variant(), readValue(HKEY_CURRENT_USER, child, "V"));
}

TEST_F(RegistryContract, LayerListsSubkeysAndDeletesATree) {
  const std::string child = std::string(scratchPath) + "\\Child";
  for (const char* name : {"b.com", "a.com ", "a.com"}) createKey(HKEY_CURRENT_USER, child + "\\" + name);
  writeValue(HKEY_CURRENT_USER, child + "\\a.com", "*", 4, REG_DWORD);
  EXPECT_EQ((std::vector<std::string>{"a.com", "a.com ", "b.com"}), listKeys(HKEY_CURRENT_USER, child));
  EXPECT_TRUE(listKeys(HKEY_CURRENT_USER, child + "\\Missing").empty());

  deleteTree(HKEY_CURRENT_USER, child);
  EXPECT_TRUE(listKeys(HKEY_CURRENT_USER, scratchPath).empty());
  EXPECT_EQ(Variant(), readValue(HKEY_CURRENT_USER, child + "\\a.com", "*"));
}

}  // namespace
}  // namespace tavimo::contract
