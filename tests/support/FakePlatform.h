#pragma once
// Installs fake registry, profile, system information and files for one test and puts back
// what was installed before, so a test sees a fresh, empty computer of its own.
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SystemInfo.h"

namespace tavimo::testing {

class FakePlatform {
 public:
  FakePlatform() : previous_(platform()) {
    Platform services = previous_;
    services.registry = &registry;
    services.profile = &profile;
    services.systemInfo = &systemInfo;
    services.files = &files;
    installPlatform(services);
  }
  ~FakePlatform() { installPlatform(previous_); }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  FakeRegistry registry;
  FakeProfile profile;
  FakeSystemInfo systemInfo;  // its system folder is a fresh temporary folder
  FakeFiles files;

  // A path in the fake system folder, the way the client builds one: folder + "\" + name.
  std::string systemFile(const std::string& name) {
    char folder[260];
    systemInfo.systemDirectory(folder, sizeof folder);
    return std::string(folder) + "\\" + name;
  }

 private:
  Platform previous_;
};

}  // namespace tavimo::testing
