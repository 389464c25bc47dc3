#include "lockdown/forNT.h"

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "platform/SystemInfo.h"

namespace tavimo {

namespace {

void exitWindows(std::uint32_t how, bool force) {
  if (isWindowsNT()) enableShutdownPrivilege();
  platform().desktop->exitWindows(force ? how | ewx::Force : how);
}

}  // namespace

bool isWindowsNT() {
  OsVersion version;
  return platform().systemInfo->version(&version) && version.platformId == os::PlatformNt;
}

void enableShutdownPrivilege() {
  Desktop& desktop = *platform().desktop;
  SystemHandle token = 0;
  if (!desktop.openProcessToken(rights::TokenAdjustPrivileges | rights::TokenQuery, &token)) return;
  Luid shutdown;
  if (desktop.lookupPrivilegeValue("", "SeShutdownPrivilege", &shutdown))
    desktop.adjustTokenPrivileges(token, shutdown, privilegeEnabled);
  desktop.closeHandle(token);
}

void shutdownWindows(bool force) { exitWindows(ewx::Shutdown, force); }

void restartWindows(bool force) { exitWindows(ewx::Reboot, force); }

}  // namespace tavimo
