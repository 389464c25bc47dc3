#include "login/GuestTimerStart.h"

#include "core/StoredState.h"
#include "lockdown/frmBlocks.h"
#include "login/frmstart.h"
#include "runtime/App.h"
#include "session/Functions.h"
#include "session/frmtimer2.h"

namespace tavimo {

void startGuestTimer() {
  setTaskbar(1);
  rt::app().form<frmstart>().hide();
  if (stored::read(stored::Blocking).asBool().value_or(false)) rt::app().form<frmBlocks>();
  rt::app().form<frmtimer2>().show();
}

}  // namespace tavimo
