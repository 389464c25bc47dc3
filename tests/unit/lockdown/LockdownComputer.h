#pragma once
// A computer for one lockdown test: fake registry with the client's keys installed, fake
// site file folder, headless forms on a virtual clock and a fake desktop whose windows and
// processes the test sets up.
#include <cstdint>
#include <string>

#include "core/StoredState.h"
#include "platform/Desktop.h"
#include "support/FakePlatform.h"
#include "support/HeadlessApp.h"
#include "util/mdlRegistry.h"

namespace tavimo::testing {

struct LockdownComputer : FakePlatform {
  HeadlessApp h;
  FakeDesktop desktop;

  LockdownComputer() {
    Platform services = platform();
    services.desktop = &desktop;
    installPlatform(services);
    for (const stored::Key& key : stored::installedKeys) createKey(key.hive, key.path);
  }

  // The calls made on the desktop that start with the prefix.
  std::vector<std::string> calls(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& c : desktop.calls)
      if (c.rfind(prefix, 0) == 0) found.push_back(c);
    return found;
  }
};

}  // namespace tavimo::testing
