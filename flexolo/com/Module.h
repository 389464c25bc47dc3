#pragma once
// The DLL's own state: its module handle, what keeps it loaded (live objects and server
// locks, for DllCanUnloadNow), and what must be undone when it is unloaded.
#include <windows.h>

#include <string>

namespace tavimo::flexolo::com {

HINSTANCE moduleInstance();
// The full path of Flexolo.dll, as InprocServer32 names it.
std::string modulePath();

void objectCreated();
void objectDestroyed();
void lockModule(bool lock);
bool moduleInUse();

// Runs when the DLL is unloaded while the process goes on (window classes, cursors).
void atUnload(void (*cleanup)());

}  // namespace tavimo::flexolo::com
