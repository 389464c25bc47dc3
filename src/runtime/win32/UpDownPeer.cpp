// An up-down: the common control's arrows beside a buddy text box. The arrows only ask:
// UDN_DELTAPOS hands each step to the control, which writes the buddy itself. The buddy lets
// the arrow keys in the text box step as well.
#include "runtime/win32/ControlPeer.h"

#include <commctrl.h>

#include "runtime/TextBox.h"
#include "runtime/UpDown.h"

namespace tavimo::rt {

namespace {
class UpDownPeer final : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  WindowKind window(const Control&) const override {
    return {UPDOWN_CLASSA, UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK};
  }

  // The buddy may have been made after the arrows.
  void formComplete(Control& c, HWND hwnd) override { apply(c, hwnd, Prop::Value); }

  void apply(Control& c, HWND hwnd, Prop what) override {
    if (what != Prop::Value) return;
    auto& upDown = static_cast<UpDown&>(c);
    SendMessageA(hwnd, UDM_SETRANGE32, upDown.min(), upDown.max());
    SendMessageA(hwnd, UDM_SETPOS32, 0, upDown.value());
    if (HWND buddy = upDown.buddy() ? context_.windowOf(*upDown.buddy()) : nullptr)
      SendMessageA(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  }

  std::optional<LRESULT> notify(Control& c, const NMHDR& header) override {
    if (header.code != UDN_DELTAPOS) return std::nullopt;
    static_cast<UpDown&>(c).spin(reinterpret_cast<const NMUPDOWN&>(header).iDelta > 0 ? 1 : -1);
    return 1;  // the control has moved the position itself
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeUpDownPeer(Win32Context& context) { return std::make_unique<UpDownPeer>(context); }

}  // namespace tavimo::rt
