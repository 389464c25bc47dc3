// TavimoClient.exe: the real platform services, the Win32 back end, and the connection status
// window as the first window; the program ends when its last window is unloaded.
#include <windows.h>

#include "core/ClientContext.h"
#include "core/frmconnection.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Net.h"
#include "platform/Platform.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "net/frmSocks.h"
#include "runtime/App.h"
#include "runtime/win32/Win32Backend.h"

using namespace tavimo;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Win32Registry registry;
  Win32Profile profile;
  Win32SystemInfo systemInfo;
  Win32Files files;
  Win32Net net;
  Win32Desktop desktop;
  Win32Shell shell;
  installPlatform({&registry, &profile, &systemInfo, &files, &net, &desktop, &shell});

  rt::Win32Backend backend(instance);
  rt::App app(backend, "TavimoClient");
  installDatagramFilter();
  app.form<frmconnection>().show();
  app.run();
  return 0;
}
