#include "runtime/TabStrip.h"

namespace tavimo::rt {

void TabStrip::addTab(std::string key, std::string caption) {
  tabs_.push_back({std::move(key), std::move(caption)});
  if (selected_ < 0) selected_ = 0;
  changed(Prop::List);
}

std::string TabStrip::selectedKey() const { return selected_ < 0 ? std::string() : tabs_[selected_].key; }

void TabStrip::select(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size()) || index == selected_) return;
  selected_ = index;
  changed(Prop::ListIndex);
  if (onClick) onClick();
}

}  // namespace tavimo::rt
