// Shows the controls window for a screenshot: shows "picture.bmp" of the current folder,
// writes "smoke.ready" there once the window is up, and closes when "smoke.done" appears (or
// after a minute).
#include <windows.h>

#include "platform/Net.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "runtime/win32/Win32Backend.h"
#include "SmokeForm.h"

using namespace tavimo;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Win32Net net;
  Platform services;
  services.net = &net;
  installPlatform(services);
  rt::Win32Backend backend(instance);
  rt::App app(backend, "Tavimo Smoke");
  auto& form = app.form<rt::frmSmoke>();
  form.txtlog.setText("anna");
  form.txtpas.setText("secret");
  form.chkRemember.setValue(1);
  form.Image1.loadPicture("picture.bmp");
  int waited = 0;
  form.Timer1.setInterval(100);
  form.Timer1.onTimer = [&] {
    if (++waited == 5) CloseHandle(CreateFileA("smoke.ready", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (GetFileAttributesA("smoke.done") != INVALID_FILE_ATTRIBUTES || waited > 600) form.unload();
  };
  form.Timer1.setEnabled(true);
  form.show();
  form.txtlog.setFocus();
  app.run();
  return 0;
}
