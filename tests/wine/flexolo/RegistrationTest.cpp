#include <gtest/gtest.h>

#include <objbase.h>

#include "ComTestSupport.h"
#include "FlexoloDispatch.h"

namespace flexolo_test {
namespace {

constexpr char omxClassKey[] = "CLSID\\{9E5E91A6-644F-4323-8147-81B3CDA1A813}";
constexpr char linkClassKey[] = "CLSID\\{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}";

bool keyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// The value's type and text, or a type of REG_NONE when it cannot be read.
std::pair<DWORD, std::string> value(const std::string& path, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return {REG_NONE, ""};
  char data[MAX_PATH * 2] = {};
  DWORD size = sizeof data - 1, type = REG_NONE;
  LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return {REG_NONE, ""};
  return {type, data};
}

std::pair<DWORD, std::string> sz(const std::string& text) { return {REG_SZ, text}; }

class Registration : public ::testing::Test {
 protected:
  void TearDown() override {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, omxClassKey);
    runRegsvr32("/s /u");
  }
};

TEST_F(Registration, Regsvr32WritesBothClassesAsApartmentInprocServers) {
  ASSERT_EQ(runRegsvr32("/s"), 0u);

  const std::string dll = flexoloDllPath();
  struct Expected {
    const char* key;
    const char* name;
    std::string data;
  } expected[] = {
      {"Flexolo.omxFlexolo\\CLSID", nullptr, "{9E5E91A6-644F-4323-8147-81B3CDA1A813}"},
      {"Flexolo.OHLink\\CLSID", nullptr, "{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}"},
      {"CLSID\\{9E5E91A6-644F-4323-8147-81B3CDA1A813}\\ProgID", nullptr, "Flexolo.omxFlexolo"},
      {"CLSID\\{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}\\ProgID", nullptr, "Flexolo.OHLink"},
      {"CLSID\\{9E5E91A6-644F-4323-8147-81B3CDA1A813}\\InprocServer32", nullptr, dll},
      {"CLSID\\{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}\\InprocServer32", nullptr, dll},
      {"CLSID\\{9E5E91A6-644F-4323-8147-81B3CDA1A813}\\InprocServer32", "ThreadingModel",
       "Apartment"},
      {"CLSID\\{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}\\InprocServer32", "ThreadingModel",
       "Apartment"},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(std::string(e.key) + " " + (e.name ? e.name : "(default)"));
    auto [type, text] = value(e.key, e.name);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(), -1,
                             e.data.c_str(), -1),
              CSTR_EQUAL)
        << text << " != " << e.data;
  }

  CLSID id{};
  ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Flexolo.omxFlexolo", &id));
  EXPECT_TRUE(IsEqualCLSID(id, CLSID_omxFlexolo));
  ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Flexolo.OHLink", &id));
  EXPECT_TRUE(IsEqualCLSID(id, CLSID_OHLink));
}

TEST_F(Registration, UnregisterRemovesExactlyWhatWasWritten) {
  ASSERT_EQ(runRegsvr32("/s"), 0u);
  // Somebody else's value under one of the class keys must survive.
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, omxClassKey, 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  const char foreign[] = "kept";
  RegSetValueExA(key, "Foreign", 0, REG_SZ, reinterpret_cast<const BYTE*>(foreign),
                 sizeof foreign);
  RegCloseKey(key);

  ASSERT_EQ(runRegsvr32("/s /u"), 0u);

  EXPECT_FALSE(keyExists("Flexolo.omxFlexolo"));
  EXPECT_FALSE(keyExists("Flexolo.OHLink"));
  EXPECT_FALSE(keyExists(linkClassKey));
  EXPECT_FALSE(keyExists(std::string(omxClassKey) + "\\InprocServer32"));
  EXPECT_FALSE(keyExists(std::string(omxClassKey) + "\\ProgID"));
  EXPECT_EQ(value(omxClassKey, "Foreign"), sz("kept"));
  EXPECT_EQ(value(omxClassKey, nullptr).first, static_cast<DWORD>(REG_NONE));
  CLSID id{};
  EXPECT_HRESULT_FAILED(CLSIDFromProgID(L"Flexolo.omxFlexolo", &id));
}

TEST_F(Registration, UnregisterLeavesAClassThatAnotherCopyRegisteredSince) {
  ASSERT_EQ(runRegsvr32("/s"), 0u);
  const std::string inproc = std::string(linkClassKey) + "\\InprocServer32";
  const char other[] = "C:\\Other\\Flexolo.dll";
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, inproc.c_str(), 0, KEY_SET_VALUE, &key),
            ERROR_SUCCESS);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(other), sizeof other);
  RegCloseKey(key);

  ASSERT_EQ(runRegsvr32("/s /u"), 0u);

  EXPECT_EQ(value(inproc, nullptr), sz(other));
  EXPECT_EQ(value(inproc, "ThreadingModel"), sz("Apartment"));
  EXPECT_EQ(value("Flexolo.OHLink\\CLSID", nullptr), sz("{F77B78E1-F3B3-4429-BF7F-02F7DA6E2BF1}"));
  EXPECT_FALSE(keyExists("Flexolo.omxFlexolo"));
  RegDeleteTreeA(HKEY_CLASSES_ROOT, linkClassKey);
  RegDeleteTreeA(HKEY_CLASSES_ROOT, "Flexolo.OHLink");
}

}  // namespace
}  // namespace flexolo_test
