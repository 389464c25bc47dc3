#include "runtime/UpDown.h"

#include <algorithm>
#include <charconv>

#include "runtime/TextBox.h"
#include "util/Text.h"

namespace tavimo::rt {

void UpDown::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  changed(Prop::Value);
}

void UpDown::setIncrement(int increment) {
  increment_ = std::max(increment, 1);
  changed(Prop::Value);
}

void UpDown::setValue(int value) {
  value = std::clamp(value, min_, max_);
  bool differs = value != value_;
  value_ = value;
  changed(Prop::Value);
  if (buddy_) buddy_->setText(std::to_string(value_));
  if (differs && onChange) onChange();
}

void UpDown::spin(int direction) {
  if (!effectivelyEnabled()) return;
  int from = value_;
  if (buddy_) {
    std::string shown = trim(buddy_->text());
    int typed = 0;
    auto [end, error] = std::from_chars(shown.data(), shown.data() + shown.size(), typed);
    if (error == std::errc() && end == shown.data() + shown.size()) from = std::clamp(typed, min_, max_);
  }
  long next = static_cast<long>(from) + static_cast<long>(direction < 0 ? -increment_ : increment_);
  setValue(static_cast<int>(std::clamp<long>(next, min_, max_)));
}

}  // namespace tavimo::rt
