#include <windows.h>

#include "platform/Registry.h"

namespace tavimo {

namespace {

// Hives travel as their 32-bit values; Windows wants them sign-extended to a pointer.
bool isHive(std::uintptr_t value) { return value >= 0x80000000u && value <= 0x800000FFu; }

HKEY toHkey(RegKey key) {
  if (isHive(key)) {
    const auto value = static_cast<LONG>(static_cast<std::uint32_t>(key));
    return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
  }
  return reinterpret_cast<HKEY>(key);
}

RegKey fromHkey(HKEY key) {
  const auto value = reinterpret_cast<std::uintptr_t>(key);
  const auto low = static_cast<std::uint32_t>(value);
  if (isHive(low) && toHkey(low) == key) return low;
  return value;
}

// Copies a caller's optional count in and out of the DWORD the API writes, so that what the
// API leaves alone stays as the caller set it.
class DwordSlot {
 public:
  explicit DwordSlot(std::uint32_t* target) : target_(target), value_(target ? *target : 0) {}
  ~DwordSlot() {
    if (target_) *target_ = value_;
  }
  DwordSlot(const DwordSlot&) = delete;
  DwordSlot& operator=(const DwordSlot&) = delete;
  DWORD* get() { return target_ ? &value_ : nullptr; }

 private:
  std::uint32_t* target_;
  DWORD value_;
};

}  // namespace

Status Win32Registry::openKey(RegKey parent, const std::string& path, std::uint32_t access,
                              RegKey* result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  HKEY opened = nullptr;
  const LONG status = RegOpenKeyExA(toHkey(parent), path.c_str(), 0, access, &opened);
  *result = status == ERROR_SUCCESS ? fromHkey(opened) : 0;
  return status;
}

Status Win32Registry::createKey(RegKey parent, const std::string& path, std::uint32_t access,
                                RegKey* result, std::uint32_t* disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  HKEY created = nullptr;
  DWORD how = 0;
  const LONG status = RegCreateKeyExA(toHkey(parent), path.c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, access, nullptr, &created, &how);
  *result = status == ERROR_SUCCESS ? fromHkey(created) : 0;
  if (status == ERROR_SUCCESS && disposition) *disposition = how;
  return status;
}

Status Win32Registry::closeKey(RegKey key) { return RegCloseKey(toHkey(key)); }

Status Win32Registry::setValue(RegKey key, const std::string& name, std::uint32_t type,
                               const void* data, std::uint32_t size) {
  const bool isString = type == REG_SZ || type == REG_EXPAND_SZ;
  if (isString && size && data && static_cast<const char*>(data)[size - 1] != '\0') {
    // Stored with its terminator whatever follows the caller's bytes.
    std::string terminated(static_cast<const char*>(data), size);
    return RegSetValueExA(toHkey(key), name.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(terminated.c_str()), size + 1);
  }
  return RegSetValueExA(toHkey(key), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                        size);
}

Status Win32Registry::queryValue(RegKey key, const std::string& name, std::uint32_t* type,
                                 void* data, std::uint32_t* size) {
  DwordSlot typeSlot(type);
  DwordSlot sizeSlot(size);
  return RegQueryValueExA(toHkey(key), name.c_str(), nullptr, typeSlot.get(),
                          static_cast<BYTE*>(data), sizeSlot.get());
}

Status Win32Registry::deleteValue(RegKey key, const std::string& name) {
  return RegDeleteValueA(toHkey(key), name.c_str());
}

Status Win32Registry::deleteKey(RegKey parent, const std::string& path) {
  return RegDeleteKeyA(toHkey(parent), path.c_str());
}

Status Win32Registry::deleteTree(RegKey parent, const std::string& path) {
  if (path.empty()) return ERROR_INVALID_PARAMETER;
  return RegDeleteTreeA(toHkey(parent), path.c_str());
}

Status Win32Registry::enumValue(RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* nameSize, std::uint32_t* type, void* data,
                                std::uint32_t* dataSize) {
  DwordSlot nameSlot(nameSize);
  DwordSlot typeSlot(type);
  DwordSlot dataSlot(dataSize);
  return RegEnumValueA(toHkey(key), index, name, nameSlot.get(), nullptr, typeSlot.get(),
                       static_cast<BYTE*>(data), dataSlot.get());
}

Status Win32Registry::enumKey(RegKey key, std::uint32_t index, char* name,
                              std::uint32_t* nameSize) {
  DwordSlot nameSlot(nameSize);
  return RegEnumKeyExA(toHkey(key), index, name, nameSlot.get(), nullptr, nullptr, nullptr,
                       nullptr);
}

}  // namespace tavimo
