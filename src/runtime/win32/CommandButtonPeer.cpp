// A command button: a push button with nothing beyond what every button has.
#include "runtime/win32/ButtonPeer.h"

namespace tavimo::rt {

std::unique_ptr<ControlPeer> makeCommandButtonPeer(Win32Context& context) {
  return std::make_unique<ButtonPeer<CommandButton>>(context, BS_PUSHBUTTON);
}

}  // namespace tavimo::rt
