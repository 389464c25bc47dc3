// TavimoKeys.exe: creates the client's registry keys and the default local administrator
// password, as installing the client does. Run by the installer and the end-to-end tests.
#include "core/Installation.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

int main() {
  using namespace tavimo;
  Win32Registry registry;
  Win32SystemInfo systemInfo;
  Platform services;
  services.registry = &registry;
  services.systemInfo = &systemInfo;
  installPlatform(services);
  createInstalledKeys();
  return 0;
}
