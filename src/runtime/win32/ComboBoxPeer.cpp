// A combo box: a drop-down list, with an edit part of its own unless it is a drop-down list
// only, where the text is the selected item's.
#include "runtime/win32/ListPeer.h"

namespace tavimo::rt {

namespace {
class ComboBoxPeer final : public ListPeer {
 public:
  explicit ComboBoxPeer(Win32Context& context) : ListPeer(context, CB_RESETCONTENT, CB_ADDSTRING) {}

  WindowKind window(const Control& c) const override {
    DWORD kind = static_cast<const ComboBox&>(c).style() == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN;
    return {"COMBOBOX", WS_VSCROLL | WS_TABSTOP | kind};
  }
  int extraHeight() const override { return 150; }  // room for the drop-down list

  void apply(Control& c, HWND hwnd, Prop what) override {
    auto& combo = static_cast<ComboBox&>(c);
    if (what == Prop::Text && combo.style() == ComboStyle::DropDownCombo) context_.setText(hwnd, combo.text());
    if (what == Prop::ListIndex) SendMessageA(hwnd, CB_SETCURSEL, combo.listIndex(), 0);
    ListPeer::apply(c, hwnd, what);
  }

  void command(Control& c, HWND hwnd, WORD code) override {
    auto& combo = static_cast<ComboBox&>(c);
    if (code == CBN_SELCHANGE) combo.userSelected(static_cast<int>(SendMessageA(hwnd, CB_GETCURSEL, 0, 0)));
    if (code == CBN_EDITCHANGE) combo.textEdited(Win32Context::textOf(hwnd));
    if (code == CBN_SETFOCUS) focused(c);
  }
};
}  // namespace

std::unique_ptr<ControlPeer> makeComboBoxPeer(Win32Context& context) { return std::make_unique<ComboBoxPeer>(context); }

}  // namespace tavimo::rt
