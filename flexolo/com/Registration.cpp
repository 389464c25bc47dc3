#include "com/Registration.h"

#include <olectl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "FlexoloDispatch.h"
#include "com/Module.h"
#include "com/Text.h"

namespace tavimo::flexolo::com {
namespace {

struct RegisteredClass {
  const CLSID& id;
  const char* progId;
  const char* description;
};

const RegisteredClass classes[] = {
    {CLSID_omxFlexolo, "Flexolo.omxFlexolo", "Flexolo layout scaling control"},
    {CLSID_OHLink, "Flexolo.OHLink", "Flexolo hyperlink label"},
};

// One value under HKEY_CLASSES_ROOT; an empty name is the key's default value.
struct Entry {
  std::string key;
  std::string name;
  std::string data;
};

std::string clsidText(const CLSID& id) {
  wchar_t text[40] = {};
  StringFromGUID2(id, text, 40);
  return ansiFromWide(text);
}

// Parent keys come before their subkeys.
std::vector<Entry> entriesOf(const RegisteredClass& c, const std::string& server) {
  const std::string classKey = "CLSID\\" + clsidText(c.id);
  return {
      {c.progId, "", c.description},
      {std::string(c.progId) + "\\CLSID", "", clsidText(c.id)},
      {classKey, "", c.description},
      {classKey + "\\ProgID", "", c.progId},
      {classKey + "\\InprocServer32", "", server},
      {classKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
  };
}

// The stored text of a REG_SZ value, or nothing.
std::optional<std::string> readText(const std::string& path, const std::string& valueName) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return std::nullopt;
  const char* name = valueName.empty() ? nullptr : valueName.c_str();
  std::optional<std::string> text;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    std::string stored(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(stored.data()),
                         &size) == ERROR_SUCCESS) {
      stored.resize(std::min<std::size_t>(size, stored.size()));
      while (!stored.empty() && stored.back() == '\0') stored.pop_back();
      text = std::move(stored);
    }
  }
  RegCloseKey(key);
  return text;
}

// Another copy of the library has registered the class since: its entries are that copy's.
bool servedByAnotherCopy(const RegisteredClass& c, const std::string& server) {
  auto registered = readText("CLSID\\" + clsidText(c.id) + "\\InprocServer32", "");
  return registered && lstrcmpiA(registered->c_str(), server.c_str()) != 0;
}

bool write(const Entry& entry) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  LONG status = RegSetValueExA(key, entry.name.empty() ? nullptr : entry.name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(entry.data.c_str()),
                               static_cast<DWORD>(entry.data.size() + 1));
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// Deletes the value only while it still holds what this library wrote.
void removeValue(const Entry& entry) {
  if (readText(entry.key, entry.name) != entry.data) return;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, entry.key.c_str(), 0, KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS)
    return;
  RegDeleteValueA(key, entry.name.empty() ? nullptr : entry.name.c_str());
  RegCloseKey(key);
}

void removeKeyIfEmpty(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return;
  DWORD subkeys = 0, values = 0;
  LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                 &values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  if (status == ERROR_SUCCESS && subkeys == 0 && values == 0)
    RegDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
}

}  // namespace

HRESULT registerClasses() {
  const std::string server = modulePath();
  if (server.empty()) return SELFREG_E_CLASS;
  for (const RegisteredClass& c : classes) {
    for (const Entry& entry : entriesOf(c, server)) {
      if (!write(entry)) {
        unregisterClasses();
        return SELFREG_E_CLASS;
      }
    }
  }
  return S_OK;
}

HRESULT unregisterClasses() {
  const std::string server = modulePath();
  for (const RegisteredClass& c : classes) {
    if (servedByAnotherCopy(c, server)) continue;
    const std::vector<Entry> list = entriesOf(c, server);
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) removeValue(*entry);
    // Subkeys before their parents.
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) removeKeyIfEmpty(entry->key);
  }
  return S_OK;
}

}  // namespace tavimo::flexolo::com
