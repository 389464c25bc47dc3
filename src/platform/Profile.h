#pragma once
// The profile (INI file) calls of kernel32, so the settings files are read and written by
// Windows itself in the real client and by a portable reader/writer with the same results in tests.
#include <cstdint>
#include <string>

namespace tavimo {

// Section and key names are matched without regard to case and to blanks around them.
// Entry values are read with the blanks around them removed, and with one pair of matching
// quotes (" or ') around them removed.
class Profile {
 public:
  virtual ~Profile() = default;

  // GetPrivateProfileStringA for one entry. Copies the entry's value, or the default (its
  // trailing blanks removed) when the file, section or entry is missing, into the buffer,
  // cut to size - 1 characters and terminated; returns the number of characters copied
  // without the terminator. Bytes after the terminator are not touched; size 0 touches nothing.
  virtual std::uint32_t getString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue, char* buffer,
                                  std::uint32_t size, const std::string& fileName) = 0;
  // WritePrivateProfileStringA for one entry. Creates the file, the section and the entry as
  // needed and replaces an existing entry's value; blanks before the value are not stored.
  // False when the file cannot be written (a missing folder, a read-only file).
  virtual bool writeString(const std::string& section, const std::string& key,
                           const std::string& value, const std::string& fileName) = 0;
};

// INI files read and written on the real file system with Windows' results. A "\" in a path
// separates folders on every system, so the client's paths work in tests on Linux.
class FakeProfile final : public Profile {
 public:
  std::uint32_t getString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                          const std::string& fileName) override;
  bool writeString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override;
};

#ifdef _WIN32
class Win32Profile final : public Profile {
 public:
  std::uint32_t getString(const std::string& section, const std::string& key,
                          const std::string& defaultValue, char* buffer, std::uint32_t size,
                          const std::string& fileName) override;
  bool writeString(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& fileName) override;
};
#endif

}  // namespace tavimo
