// A check box: its value is the check state itself (0, 1, or 2 for grayed).
#include "runtime/win32/ButtonPeer.h"

namespace tavimo::rt {

std::unique_ptr<ControlPeer> makeCheckBoxPeer(Win32Context& context) {
  return std::make_unique<ButtonPeer<CheckBox>>(context, BS_CHECKBOX,
                                                [](const CheckBox& box) -> WPARAM { return box.value(); });
}

}  // namespace tavimo::rt
