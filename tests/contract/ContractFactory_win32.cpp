#include <windows.h>

#include "ContractPlatform.h"

namespace tavimo::contract {

std::unique_ptr<Registry> makeRegistry() { return std::make_unique<Win32Registry>(); }
std::unique_ptr<Profile> makeProfile() { return std::make_unique<Win32Profile>(); }
std::unique_ptr<SystemInfo> makeSystemInfo() { return std::make_unique<Win32SystemInfo>(); }
std::unique_ptr<Files> makeFiles() { return std::make_unique<Win32Files>(); }

namespace {
class Win32NetUnderTest : public NetUnderTest {
 public:
  Net& net() override { return net_; }
  bool pumpUntil(const std::function<bool()>& done) override {
    DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > 2000) return false;
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
      Sleep(1);
    }
    return true;
  }

 private:
  Win32Net net_;
};
}  // namespace

std::unique_ptr<NetUnderTest> makeNet() { return std::make_unique<Win32NetUnderTest>(); }

bool runningOnWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace tavimo::contract
