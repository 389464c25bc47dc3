// An option button: a radio button dotted while it is the chosen one of its group.
#include "runtime/win32/ButtonPeer.h"

namespace tavimo::rt {

std::unique_ptr<ControlPeer> makeOptionButtonPeer(Win32Context& context) {
  return std::make_unique<ButtonPeer<OptionButton>>(context, BS_RADIOBUTTON, [](const OptionButton& option) -> WPARAM {
    return option.value() ? BST_CHECKED : BST_UNCHECKED;
  });
}

}  // namespace tavimo::rt
