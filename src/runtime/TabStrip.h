#pragma once
// A row of tabs, each with a key and a caption; one is selected. The form shows the frame
// that belongs to the selected tab: the strip itself holds no controls.
#include <functional>
#include <string>
#include <vector>

#include "runtime/Control.h"

namespace tavimo::rt {

class TabStrip : public Control {
 public:
  struct Tab {
    std::string key;
    std::string caption;
  };

  TabStrip(Form& form, std::string name, int index = -1) : Control(form, ControlKind::TabStrip, std::move(name), index) {}
  bool focusable() const override { return true; }

  // The first tab added is selected.
  void addTab(std::string key, std::string caption);
  const std::vector<Tab>& tabs() const { return tabs_; }
  int selectedIndex() const { return selected_; }  // -1 before the first tab
  // The selected tab's key; empty when there is none.
  std::string selectedKey() const;
  // Selecting another tab raises Click, as the user's choice does.
  void select(int index);
  // Event from the back end: the user chose a tab.
  void userSelected(int index) { select(index); }

  std::function<void()> onClick;

 private:
  std::vector<Tab> tabs_;
  int selected_ = -1;
};

}  // namespace tavimo::rt
