// A tab strip: the common tab control, lying below the frames that make its pages.
#include "runtime/TabStrip.h"
#include "runtime/win32/ControlPeer.h"

#include <commctrl.h>

namespace tavimo::rt {

namespace {
class TabStripPeer final : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  WindowKind window(const Control&) const override { return {WC_TABCONTROLA, WS_TABSTOP}; }

  // Below the controls made after it, once they all exist.
  void formComplete(Control&, HWND hwnd) override {
    SetWindowPos(hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& strip = static_cast<TabStrip&>(c);
    if (what == Prop::List) {
      SendMessageA(hwnd, TCM_DELETEALLITEMS, 0, 0);
      int at = 0;
      for (const TabStrip::Tab& tab : strip.tabs()) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(tab.caption.c_str());
        SendMessageA(hwnd, TCM_INSERTITEMA, at++, reinterpret_cast<LPARAM>(&item));
      }
    }
    if (what == Prop::List || what == Prop::ListIndex) SendMessageA(hwnd, TCM_SETCURSEL, strip.selectedIndex(), 0);
  }

  std::optional<LRESULT> notify(Control& c, const NMHDR& header) override {
    if (header.code == TCN_SELCHANGE)
      static_cast<TabStrip&>(c).userSelected(static_cast<int>(SendMessageA(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    if (header.code == NM_SETFOCUS) focused(c);
    return std::nullopt;
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeTabStripPeer(Win32Context& context) { return std::make_unique<TabStripPeer>(context); }

}  // namespace tavimo::rt
