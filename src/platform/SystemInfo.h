#pragma once
// This computer's name, the Windows system folder and the Windows version, so the client can
// be run in tests as any Windows version on any computer and in any folder.
#include <cstdint>
#include <filesystem>
#include <string>

namespace tavimo {

// What GetVersionExA reports.
struct OsVersion {
  std::uint32_t major = 0;
  std::uint32_t minor = 0;
  std::uint32_t build = 0;
  std::uint32_t platformId = 0;  // 1: Windows 95/98/ME, 2: the NT family
};

namespace os {
constexpr std::uint32_t PlatformWindows = 1;
constexpr std::uint32_t PlatformNt = 2;
constexpr OsVersion Windows98{4, 10, 1998, PlatformWindows};
constexpr OsVersion WindowsMe{4, 90, 3000, PlatformWindows};
constexpr OsVersion Windows2000{5, 0, 2195, PlatformNt};
constexpr OsVersion WindowsXp{5, 1, 2600, PlatformNt};
constexpr OsVersion Windows10{10, 0, 19045, PlatformNt};
}  // namespace os

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // GetComputerNameA. *size is the buffer's size in characters; on success the name is
  // copied with its terminator and *size is its length. When it does not fit: false, the
  // buffer is not touched and *size is the size needed, terminator included.
  virtual bool computerName(char* buffer, std::uint32_t* size) = 0;
  // GetSystemDirectoryA. On success copies the folder (no final "\") with its terminator and
  // returns its length; when it does not fit, touches nothing and returns the size needed,
  // terminator included.
  virtual std::uint32_t systemDirectory(char* buffer, std::uint32_t size) = 0;
  // GetVersionExA. False (and *version untouched) when the version cannot be read.
  virtual bool version(OsVersion* version) = 0;
  // Whether the program runs under Wine (its ntdll names its version), where the desktop
  // itself is a process called explorer.exe.
  virtual bool wine() = 0;
};

// Values a test chooses. The system folder is a fresh temporary folder by default, made when
// the fake is made and removed with it, so files the client keeps there stay within the test.
class FakeSystemInfo final : public SystemInfo {
 public:
  FakeSystemInfo();
  ~FakeSystemInfo() override;
  FakeSystemInfo(const FakeSystemInfo&) = delete;
  FakeSystemInfo& operator=(const FakeSystemInfo&) = delete;

  void setComputerName(std::string name) { computerName_ = std::move(name); }
  void setSystemDirectory(std::string folder) { systemDirectory_ = std::move(folder); }
  void setVersion(const OsVersion& version) { version_ = version; }
  void setWine(bool wine) { wine_ = wine; }

  bool computerName(char* buffer, std::uint32_t* size) override;
  std::uint32_t systemDirectory(char* buffer, std::uint32_t size) override;
  bool version(OsVersion* version) override;
  bool wine() override { return wine_; }

 private:
  std::string computerName_ = "TAVIMO-PC07";  // the name tests' headless network uses
  std::filesystem::path ownFolder_;
  std::string systemDirectory_;
  OsVersion version_ = os::WindowsXp;
  bool wine_ = false;
};

#ifdef _WIN32
class Win32SystemInfo final : public SystemInfo {
 public:
  bool computerName(char* buffer, std::uint32_t* size) override;
  std::uint32_t systemDirectory(char* buffer, std::uint32_t size) override;
  bool version(OsVersion* version) override;
  bool wine() override;
};
#endif

}  // namespace tavimo
