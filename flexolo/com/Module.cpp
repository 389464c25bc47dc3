#include "com/Module.h"

#include <atomic>
#include <vector>

namespace tavimo::flexolo::com {
namespace {
HINSTANCE instance = nullptr;
std::atomic<long> liveObjects{0};
std::atomic<long> locks{0};
std::vector<void (*)()>& cleanups() {
  static std::vector<void (*)()> list;
  return list;
}
}  // namespace

HINSTANCE moduleInstance() { return instance; }

std::string modulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(instance, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void objectCreated() { ++liveObjects; }
void objectDestroyed() { --liveObjects; }
void lockModule(bool lock) { lock ? ++locks : --locks; }
bool moduleInUse() { return liveObjects > 0 || locks > 0; }

void atUnload(void (*cleanup)()) { cleanups().push_back(cleanup); }

}  // namespace tavimo::flexolo::com

extern "C" BOOL WINAPI DllMain(HINSTANCE dll, DWORD reason, LPVOID reserved) {
  using namespace tavimo::flexolo::com;
  if (reason == DLL_PROCESS_ATTACH) {
    instance = dll;
    DisableThreadLibraryCalls(dll);
  } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    // Freed by FreeLibrary: a later load must be able to register its window classes again.
    // At process exit (reserved set) the system takes everything back by itself.
    for (auto cleanup : cleanups()) cleanup();
    cleanups().clear();
  }
  return TRUE;
}
