// The registry layer's own decisions, beyond what the contract cases show on both registries:
// internal statuses, the lists, handles, and how it copes when the registry misbehaves.
#include <gtest/gtest.h>

#include "support/FakePlatform.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using namespace std::string_literals;

constexpr const char* timers = "Software\\Tavimo\\Timers";
constexpr const char* programs = "Software\\Tavimo\\Timers\\Programs";

class RegistryLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    createKey(HKEY_LOCAL_MACHINE, programs);
    ASSERT_EQ(0u, fakes.registry.openHandles());
  }
  void TearDown() override { EXPECT_EQ(0u, fakes.registry.openHandles()) << "a key was left open"; }

  RegKey open(const char* path) {
    RegKey key = 0;
    EXPECT_EQ(status::Success, fakes.registry.openKey(HKEY_LOCAL_MACHINE, path, reg::FullAccess, &key));
    return key;
  }

  testing::FakePlatform fakes;
};

TEST_F(RegistryLayerTest, InternalStatuses) {
  const RegKey key = open(timers);
  EXPECT_EQ(status::Success, putValue(key, "Text", REG_SZ, "abc"));
  EXPECT_EQ(status::Success, putValue(key, "Number", REG_DWORD, " 12 "));
  EXPECT_EQ(status::InvalidParameter, putValue(key, "Bad", REG_DWORD, "twelve"));
  EXPECT_EQ(status::Success, putValue(key, "Other", reg::Binary, "abc"));
  fakes.registry.setValue(key, "Binary", reg::Binary, "ab", 2);

  Variant value;
  EXPECT_EQ(status::Success, getValue(key, "Number", value));
  EXPECT_EQ(Variant(12), value);
  value = Variant("kept");
  EXPECT_EQ(-1, getValue(key, "Binary", value));
  EXPECT_EQ(Variant("kept"), value);
  EXPECT_EQ(status::FileNotFound, getValue(key, "Other", value));  // nothing was written
  EXPECT_EQ(status::FileNotFound, getValue(key, "Bad", value));
  EXPECT_EQ(Variant("kept"), value);
  fakes.registry.closeKey(key);
}

TEST_F(RegistryLayerTest, ReadTextRemovesTheTerminatorOfTextsOnly) {
  writeValue(HKEY_LOCAL_MACHINE, timers, "Elapsed", "0:12:7", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, timers, "Status", 10, REG_DWORD);
  writeValue(HKEY_LOCAL_MACHINE, timers, "Empty", "", REG_SZ);
  const RegKey key = open(timers);
  fakes.registry.setValue(key, "OnlyTerminator", reg::Sz, "", 1);
  fakes.registry.closeKey(key);

  EXPECT_EQ("0:12:7", readText(HKEY_LOCAL_MACHINE, timers, "Elapsed"));
  EXPECT_EQ("10", readText(HKEY_LOCAL_MACHINE, timers, "Status"));  // a number keeps its last digit
  EXPECT_EQ("", readText(HKEY_LOCAL_MACHINE, timers, "Empty"));
  EXPECT_EQ("", readText(HKEY_LOCAL_MACHINE, timers, "OnlyTerminator"));
  EXPECT_EQ(Variant("\0"s), readValue(HKEY_LOCAL_MACHINE, timers, "OnlyTerminator"));
}

TEST_F(RegistryLayerTest, ListsAreSeparateAndReplacedByEachCall) {
  writeValue(HKEY_LOCAL_MACHINE, programs, "Notepad", "notepad.exe", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, timers, "UserId", "anna", REG_SZ);

  listValues(HKEY_LOCAL_MACHINE, programs);
  listBlockValues(HKEY_LOCAL_MACHINE, timers);
  EXPECT_EQ((std::vector<std::string>{"Notepad"}), valueList());
  EXPECT_EQ((std::vector<std::string>{"UserId"}), blockValueList());

  listValues(HKEY_LOCAL_MACHINE, "Software\\Tavimo\\Missing");
  EXPECT_TRUE(valueList().empty());
  EXPECT_EQ((std::vector<std::string>{"UserId"}), blockValueList());
}

// A registry whose value enumeration breaks down part way, as when the key is deleted
// while it is listed.
class BrokenEnumeration : public FakeRegistry {
 public:
  Status enumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, void* data, std::uint32_t* dataSize) override {
    ++calls;
    if (index >= 1) return status::KeyDeleted;
    return FakeRegistry::enumValue(key, index, name, nameSize, type, data, dataSize);
  }
  int calls = 0;
};

TEST_F(RegistryLayerTest, ListEndsWhenTheRegistryFails) {
  BrokenEnumeration registry;
  Platform services = platform();
  services.registry = &registry;
  installPlatform(services);
  createKey(HKEY_LOCAL_MACHINE, programs);
  writeValue(HKEY_LOCAL_MACHINE, programs, "First", "1", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, programs, "Second", "2", REG_SZ);

  EXPECT_EQ((std::vector<std::string>{"First"}), listValues(HKEY_LOCAL_MACHINE, programs));
  EXPECT_EQ(2, registry.calls);
  EXPECT_EQ(0u, registry.openHandles());
  services.registry = &fakes.registry;
  installPlatform(services);
}

TEST_F(RegistryLayerTest, ListSkipsANameTooLongForItsBuffer) {
  writeValue(HKEY_LOCAL_MACHINE, programs, std::string(300, 'n'), "x", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, programs, std::string(254, 'm'), "x", REG_SZ);
  writeValue(HKEY_LOCAL_MACHINE, programs, "Last", "x", REG_SZ);
  EXPECT_EQ((std::vector<std::string>{std::string(254, 'm'), "Last"}),
            listValues(HKEY_LOCAL_MACHINE, programs));
}

// A registry that lets this user read the machine's keys but not change them.
class ReadOnlyRegistry : public FakeRegistry {
 public:
  Status openKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey* result) override {
    if (access & reg::SetValue) {
      *result = 0;
      return status::AccessDenied;
    }
    return FakeRegistry::openKey(parent, path, access, result);
  }
};

TEST_F(RegistryLayerTest, ReadsAKeyThatRefusesWriting) {
  ReadOnlyRegistry registry;
  RegKey key = 0;
  registry.createKey(HKEY_LOCAL_MACHINE, timers, reg::FullAccess, &key, nullptr);
  registry.setValue(key, "UserId", reg::Sz, "anna", 4);
  registry.closeKey(key);
  Platform services = platform();
  services.registry = &registry;
  installPlatform(services);

  EXPECT_EQ("anna", readText(HKEY_LOCAL_MACHINE, timers, "UserId"));
  writeValue(HKEY_LOCAL_MACHINE, timers, "UserId", "bob", REG_SZ);  // refused, silently
  EXPECT_EQ("anna", readText(HKEY_LOCAL_MACHINE, timers, "UserId"));
  EXPECT_EQ(0u, registry.openHandles());
  services.registry = &fakes.registry;
  installPlatform(services);
}

}  // namespace
}  // namespace tavimo
