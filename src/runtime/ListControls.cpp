#include "runtime/ListControls.h"

namespace tavimo::rt {

void ListControl::addItem(std::string text, int at) {
  Item item{std::move(text)};
  if (at < 0 || at >= listCount())
    items_.push_back(std::move(item));
  else {
    items_.insert(items_.begin() + at, std::move(item));
    if (listIndex_ >= at) ++listIndex_;
  }
  changed(Prop::List);
}

void ListControl::removeItem(int at) {
  if (at < 0 || at >= listCount()) return;
  items_.erase(items_.begin() + at);
  if (listIndex_ == at)
    listIndex_ = -1;
  else if (listIndex_ > at)
    --listIndex_;
  changed(Prop::List);
}

void ListControl::clear() {
  items_.clear();
  listIndex_ = -1;
  changed(Prop::List);
}

void ListControl::setItemData(int at, long data) { items_.at(at).data = data; }

void ListControl::setListIndex(int at) {
  if (at < -1 || at >= listCount() || at == listIndex_) return;
  listIndex_ = at;
  changed(Prop::ListIndex);
  selectionChanged();
  if (onClick) onClick();
}

void ListControl::userSelected(int at) {
  if (at == listIndex_) return;
  setListIndex(at);
}

void ListBox::setMultiSelect(bool multi) {
  multiSelect_ = multi;
  changed(Prop::List);
}

void ListBox::setSelected(int at, bool selected) {
  items_.at(at).selected = selected;
  changed(Prop::ListIndex);
}

int ListBox::selCount() const {
  int count = 0;
  for (const Item& item : items_) count += item.selected ? 1 : 0;
  return count;
}

void ListBox::userDoubleClicked() {
  if (onDblClick && effectivelyEnabled()) onDblClick();
}

void ComboBox::setStyle(ComboStyle style) {
  style_ = style;
  changed(Prop::List);
}

std::string ComboBox::text() const {
  if (style_ == ComboStyle::DropDownList) return listIndex_ >= 0 ? items_[listIndex_].text : std::string();
  return text_;
}

void ComboBox::setText(std::string text) {
  if (style_ == ComboStyle::DropDownList) {
    for (int i = 0; i < listCount(); ++i)
      if (items_[i].text == text) setListIndex(i);
    return;
  }
  if (text == text_) return;
  text_ = std::move(text);
  changed(Prop::Text);
  if (onChange) onChange();
}

void ComboBox::selectionChanged() {
  if (listIndex_ >= 0) text_ = items_[listIndex_].text;
}

void ComboBox::textEdited(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (onChange) onChange();
}

}  // namespace tavimo::rt
