// A list view in report view: the common list view control with a column header, whole rows
// selected, and the rows the user selects told back to the control.
#include "runtime/ListView.h"
#include "runtime/win32/ControlPeer.h"

#include <commctrl.h>

namespace tavimo::rt {

namespace {
class ListViewPeer final : public ControlPeer {
 public:
  using ControlPeer::ControlPeer;

  WindowKind window(const Control& c) const override {
    return {WC_LISTVIEWA, LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP | selectionStyle(c), WS_EX_CLIENTEDGE};
  }

  void created(Control&, HWND hwnd) override {
    SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  }

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& view = static_cast<ListView&>(c);
    if (what == Prop::List) refill(view, hwnd);
    if (what == Prop::List || what == Prop::ListIndex) {
      for (int row = 0; row < view.rowCount(); ++row) {
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED;
        state.state = view.selected(row) ? LVIS_SELECTED : 0;
        SendMessageA(hwnd, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
      }
    }
  }

  std::optional<LRESULT> notify(Control& c, const NMHDR& header) override {
    auto& view = static_cast<ListView&>(c);
    if (header.code == NM_CLICK) view.userClicked(reinterpret_cast<const NMITEMACTIVATE&>(header).iItem);
    if (header.code == LVN_ITEMCHANGED) {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (change.uChanged & LVIF_STATE) view.userSelected(change.iItem, (change.uNewState & LVIS_SELECTED) != 0);
    }
    if (header.code == NM_SETFOCUS) focused(c);
    return std::nullopt;
  }

 private:
  static DWORD selectionStyle(const Control& c) { return static_cast<const ListView&>(c).multiSelect() ? 0 : LVS_SINGLESEL; }

  void refill(ListView& view, HWND hwnd) {
    LONG style = GetWindowLongA(hwnd, GWL_STYLE) & ~LVS_SINGLESEL;
    SetWindowLongA(hwnd, GWL_STYLE, style | selectionStyle(view));
    SendMessageA(hwnd, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageA(hwnd, LVM_DELETECOLUMN, 0, 0)) {
    }
    int at = 0;
    for (const ListView::Column& column : view.columns()) {
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.pszText = const_cast<char*>(column.caption.c_str());
      header.cx = pixels(column.width);
      SendMessageA(hwnd, LVM_INSERTCOLUMNA, at++, reinterpret_cast<LPARAM>(&header));
    }
    for (int row = 0; row < view.rowCount(); ++row) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = row;
      item.pszText = const_cast<char*>(view.cell(row, 0).c_str());
      SendMessageA(hwnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      for (int column = 1; column < static_cast<int>(view.columns().size()); ++column) {
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(view.cell(row, column).c_str());
        SendMessageA(hwnd, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
      }
    }
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeListViewPeer(Win32Context& context) { return std::make_unique<ListViewPeer>(context); }

}  // namespace tavimo::rt
