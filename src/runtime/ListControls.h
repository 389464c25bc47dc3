#pragma once
// List boxes and combo boxes: an ordered list of texts with an item-data number each and a
// selected index (-1 for none).
#include <functional>
#include <string>
#include <vector>

#include "runtime/Control.h"

namespace tavimo::rt {

class ListControl : public Control {
 public:
  using Control::Control;
  bool focusable() const override { return true; }

  void addItem(std::string text, int at = -1);
  void removeItem(int at);
  void clear();
  int listCount() const { return static_cast<int>(items_.size()); }
  const std::string& list(int at) const { return items_.at(at).text; }
  long itemData(int at) const { return items_.at(at).data; }
  void setItemData(int at, long data);
  int listIndex() const { return listIndex_; }
  // Selecting another item raises Click, as in the real control.
  void setListIndex(int at);
  // Event from the back end: the user picked an item.
  void userSelected(int at);

  std::function<void()> onClick;

 protected:
  struct Item {
    std::string text;
    long data = 0;
    bool selected = false;
  };
  // Runs when another item has been selected, before Click.
  virtual void selectionChanged() {}
  std::vector<Item> items_;
  int listIndex_ = -1;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& form, std::string name, int index = -1) : ListControl(form, ControlKind::ListBox, std::move(name), index) {}
  bool multiSelect() const { return multiSelect_; }
  void setMultiSelect(bool multi);
  bool selected(int at) const { return items_.at(at).selected; }
  void setSelected(int at, bool selected);
  int selCount() const;
  // Event from the back end: the user double-clicked an item, which selected it first.
  void userDoubleClicked();

  std::function<void()> onDblClick;

 private:
  bool multiSelect_ = false;
};

enum class ComboStyle { DropDownCombo, DropDownList };

class ComboBox : public ListControl {
 public:
  ComboBox(Form& form, std::string name, int index = -1) : ListControl(form, ControlKind::ComboBox, std::move(name), index) {}
  ComboStyle style() const { return style_; }
  void setStyle(ComboStyle style);
  // The edit part's text; in a drop-down list, the selected item's text.
  std::string text() const;
  void setText(std::string text);
  // Event from the back end: the user typed in the edit part.
  void textEdited(std::string text);

  std::function<void()> onChange;

 private:
  void selectionChanged() override;
  ComboStyle style_ = ComboStyle::DropDownCombo;
  std::string text_;
};

}  // namespace tavimo::rt
