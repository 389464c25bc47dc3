#include "session/TimerWindows.h"

#include <string>

#include "core/ClientContext.h"
#include "runtime/App.h"
#include "session/AccountTimerWindow.h"
#include "session/frmtimer2.h"

namespace tavimo {

namespace {
template <class Window>
TimerWindow* ifOpen() {
  rt::App& app = rt::app();
  return app.isLoaded<Window>() ? &app.form<Window>() : nullptr;
}
}  // namespace

TimerWindow* timerWindowOf(std::int16_t owner) {
  switch (owner) {
    case 1: return ifOpen<frmtimer2>();
    case 2: return ifOpen<frmtimer>();
    case 3: return ifOpen<frmtimer3>();
    default: return nullptr;
  }
}

TimerWindow* runningTimerWindow() {
  const std::string& kind = client().loginKind;
  if (kind == "gust") return timerWindowOf(1);
  if (kind == "memb") return timerWindowOf(2);
  if (kind == "tket") return timerWindowOf(3);
  return nullptr;
}

}  // namespace tavimo
