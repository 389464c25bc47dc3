#pragma once
// The registry calls of advapi32, one method per call, so the client's registry layer runs
// against the real registry on Windows and against an in-memory tree with the same results in tests.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Status.h"

namespace tavimo {

// A key handle: a predefined hive value or a handle returned by openKey/createKey.
using RegKey = std::uintptr_t;

namespace reg {
// Predefined hives, by their 32-bit handle values.
constexpr RegKey ClassesRoot = 0x80000000;
constexpr RegKey CurrentUser = 0x80000001;
constexpr RegKey LocalMachine = 0x80000002;
constexpr RegKey Users = 0x80000003;

// Value types.
constexpr std::uint32_t None = 0;
constexpr std::uint32_t Sz = 1;
constexpr std::uint32_t ExpandSz = 2;
constexpr std::uint32_t Binary = 3;
constexpr std::uint32_t Dword = 4;
constexpr std::uint32_t MultiSz = 7;

// Access rights.
constexpr std::uint32_t QueryValue = 0x0001;
constexpr std::uint32_t SetValue = 0x0002;
constexpr std::uint32_t CreateSubKey = 0x0004;
constexpr std::uint32_t EnumerateSubKeys = 0x0008;
constexpr std::uint32_t Read = 0x20019;
constexpr std::uint32_t FullAccess = 0x003F;  // every key right: what the client asks for
constexpr std::uint32_t MaximumAllowed = 0x02000000;  // what RegOpenKeyA asks for

// Dispositions of createKey.
constexpr std::uint32_t CreatedNewKey = 1;
constexpr std::uint32_t OpenedExistingKey = 2;
}  // namespace reg

// Every method returns the Win32 status. Names and paths are 8-bit ANSI text, compared
// without regard to case; a path is key names joined by "\". Out-parameters are written only
// as each method says; on any other failure they are left as they were.
class Registry {
 public:
  virtual ~Registry() = default;

  // RegOpenKeyExA. An empty path opens the parent itself. *result becomes the handle, or 0
  // on failure (2 when the key does not exist).
  virtual Status openKey(RegKey parent, const std::string& path, std::uint32_t access,
                         RegKey* result) = 0;
  // RegCreateKeyExA (no class, non-volatile): opens the key, creating it and any missing
  // keys on the way. *result as for openKey; *disposition (may be null) is set on success.
  virtual Status createKey(RegKey parent, const std::string& path, std::uint32_t access,
                           RegKey* result, std::uint32_t* disposition) = 0;
  // RegCloseKey. Closing a hive succeeds and does nothing.
  virtual Status closeKey(RegKey key) = 0;

  // RegSetValueExA. A REG_SZ or REG_EXPAND_SZ written without its terminating zero is
  // stored with one, so a later query reports the size including it. Needs SetValue access.
  virtual Status setValue(RegKey key, const std::string& name, std::uint32_t type,
                          const void* data, std::uint32_t size) = 0;
  // RegQueryValueExA. With data null: sets *type and *size (either may be null). With a
  // buffer: *size is its size on entry; on success the data is copied and *size is the
  // stored size; when the buffer is too small the result is 234 (ERROR_MORE_DATA), *size is
  // the size needed and the buffer is not touched. A missing value gives 2, *size becomes 0
  // when data is null, and *type is undefined (Windows leaves any value there).
  virtual Status queryValue(RegKey key, const std::string& name, std::uint32_t* type,
                            void* data, std::uint32_t* size) = 0;
  // RegDeleteValueA. 2 when the value does not exist.
  virtual Status deleteValue(RegKey key, const std::string& name) = 0;
  // RegDeleteKeyA: deletes the key under parent; fails with 5 when it has subkeys and with
  // 2 when it does not exist. Handles still open on it then fail with 1018.
  virtual Status deleteKey(RegKey parent, const std::string& path) = 0;
  // RegDeleteTreeA with a path: deletes the key under parent together with all its subkeys
  // and values; 2 when it does not exist. Handles still open on any of them then fail with
  // 1018. An empty path is refused with 87, so that no call can empty a hive.
  virtual Status deleteTree(RegKey parent, const std::string& path) = 0;

  // RegEnumValueA. *nameSize is the name buffer's size in characters, *dataSize the data
  // buffer's in bytes (data, type and dataSize may be null). On success the name is copied
  // with its terminator, *nameSize is its length without it, *type and *dataSize are set and
  // the data copied. When the name or the data does not fit: 234 (ERROR_MORE_DATA), *type
  // and *dataSize (the size needed) are set, *nameSize is not; the buffers' content is
  // undefined. Ask again without a data buffer to learn the name of a big value.
  // Past the last value: 259 (ERROR_NO_MORE_ITEMS).
  virtual Status enumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                           std::uint32_t* type, void* data, std::uint32_t* dataSize) = 0;
  // RegEnumKeyExA, subkeys in name order. On success as enumValue's name; when the name does
  // not fit: 234 and nothing is written. Past the last subkey: 259.
  virtual Status enumKey(RegKey key, std::uint32_t index, char* name,
                         std::uint32_t* nameSize) = 0;
};

// An in-memory registry with Windows' results: the three hives exist and are empty at
// first; values list in the order they were first written, subkeys in name order.
class FakeRegistry : public Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;
  FakeRegistry(const FakeRegistry&) = delete;
  FakeRegistry& operator=(const FakeRegistry&) = delete;

  Status openKey(RegKey parent, const std::string& path, std::uint32_t access,
                 RegKey* result) override;
  Status createKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey* result,
                   std::uint32_t* disposition) override;
  Status closeKey(RegKey key) override;
  Status setValue(RegKey key, const std::string& name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
  Status queryValue(RegKey key, const std::string& name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
  Status deleteValue(RegKey key, const std::string& name) override;
  Status deleteKey(RegKey parent, const std::string& path) override;
  Status deleteTree(RegKey parent, const std::string& path) override;
  Status enumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, void* data, std::uint32_t* dataSize) override;
  Status enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) override;

  // Handles opened and not yet closed, so a test can see that nothing leaks.
  std::size_t openHandles() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

#ifdef _WIN32
// The real registry through advapi32.
class Win32Registry final : public Registry {
 public:
  Status openKey(RegKey parent, const std::string& path, std::uint32_t access,
                 RegKey* result) override;
  Status createKey(RegKey parent, const std::string& path, std::uint32_t access, RegKey* result,
                   std::uint32_t* disposition) override;
  Status closeKey(RegKey key) override;
  Status setValue(RegKey key, const std::string& name, std::uint32_t type, const void* data,
                  std::uint32_t size) override;
  Status queryValue(RegKey key, const std::string& name, std::uint32_t* type, void* data,
                    std::uint32_t* size) override;
  Status deleteValue(RegKey key, const std::string& name) override;
  Status deleteKey(RegKey parent, const std::string& path) override;
  Status deleteTree(RegKey parent, const std::string& path) override;
  Status enumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, void* data, std::uint32_t* dataSize) override;
  Status enumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t* nameSize) override;
};
#endif

}  // namespace tavimo
