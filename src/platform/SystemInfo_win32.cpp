#include <windows.h>

#include "platform/SystemInfo.h"

namespace tavimo {

bool Win32SystemInfo::computerName(char* buffer, std::uint32_t* size) {
  if (!size) return false;
  DWORD length = *size;
  const bool ok = GetComputerNameA(buffer, &length) != 0;
  *size = length;
  return ok;
}

std::uint32_t Win32SystemInfo::systemDirectory(char* buffer, std::uint32_t size) {
  return GetSystemDirectoryA(buffer, size);
}

bool Win32SystemInfo::version(OsVersion* version) {
  if (!version) return false;
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148: the plain structure, as the client asks
  if (!GetVersionExA(&info)) return false;
  *version = OsVersion{info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                       info.dwPlatformId};
  return true;
}

bool Win32SystemInfo::wine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace tavimo
