// A list box: one selected item, or with multiple selection any number of them.
#include "runtime/win32/ListPeer.h"

namespace tavimo::rt {

namespace {
class ListBoxPeer final : public ListPeer {
 public:
  explicit ListBoxPeer(Win32Context& context) : ListPeer(context, LB_RESETCONTENT, LB_ADDSTRING) {}

  WindowKind window(const Control& c) const override {
    DWORD selection = static_cast<const ListBox&>(c).multiSelect() ? LBS_EXTENDEDSEL : 0;
    return {"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | selection, WS_EX_CLIENTEDGE};
  }

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& list = static_cast<ListBox&>(c);
    if (what != Prop::ListIndex)
      ListPeer::apply(c, hwnd, what);
    else if (list.multiSelect())
      for (int i = 0; i < list.listCount(); ++i) SendMessageA(hwnd, LB_SETSEL, list.selected(i), i);
    else
      SendMessageA(hwnd, LB_SETCURSEL, list.listIndex(), 0);
  }

  void command(Control& c, HWND hwnd, WORD code) override {
    if (code == LBN_SELCHANGE) {
      auto& list = static_cast<ListBox&>(c);
      if (list.multiSelect())
        for (int i = 0; i < list.listCount(); ++i) list.setSelected(i, SendMessageA(hwnd, LB_GETSEL, i, 0) > 0);
      list.userSelected(static_cast<int>(SendMessageA(hwnd, LB_GETCURSEL, 0, 0)));
    }
    if (code == LBN_DBLCLK) static_cast<ListBox&>(c).userDoubleClicked();
    if (code == LBN_SETFOCUS) focused(c);
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeListBoxPeer(Win32Context& context) { return std::make_unique<ListBoxPeer>(context); }

}  // namespace tavimo::rt
