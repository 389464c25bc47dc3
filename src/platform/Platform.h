#pragma once
// The platform services the client uses, each behind a seam with a Win32 implementation and
// an in-memory fake. One set is installed per process (or per test) and reached through
// platform(), so that the system's free procedures keep their plain signatures.

namespace tavimo {

class Registry;
class Profile;
class SystemInfo;
class Files;
class Net;
class Desktop;
class Shell;

struct Platform {
  Registry* registry = nullptr;
  Profile* profile = nullptr;
  SystemInfo* systemInfo = nullptr;
  Files* files = nullptr;
  Net* net = nullptr;
  Desktop* desktop = nullptr;
  Shell* shell = nullptr;
};

// The installed services; every pointer is set by whoever installs them.
Platform& platform();
void installPlatform(const Platform& services);

}  // namespace tavimo
