#include <windows.h>

#include "ContractPlatform.h"

namespace tavimo::contract {

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<Win32Registry>(); }
std::unique_ptr<Profile> makeProfile() { return std::make_unique<Win32Profile>(); }
std::unique_ptr<SystemInfo> makeSystemInfo() { return std::make_unique<Win32SystemInfo>(); }
std::unique_ptr<Files> makeFiles() { return std::make_unique<Win32Files>(); }

bool runningOnWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace tavimo::contract
