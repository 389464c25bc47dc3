#pragma once
// A pair of arrows beside a text box (its buddy) that step the number in it within a range,
// for fields where clicking is easier than typing.
#include <functional>
#include <string>

#include "runtime/Control.h"

namespace tavimo::rt {

class TextBox;

class UpDown : public Control {
 public:
  UpDown(Form& form, std::string name, int index = -1) : Control(form, ControlKind::UpDown, std::move(name), index) {}

  int min() const { return min_; }
  int max() const { return max_; }
  void setRange(int min, int max);
  int increment() const { return increment_; }
  void setIncrement(int increment);
  TextBox* buddy() const { return buddy_; }
  void setBuddy(TextBox& buddy) { buddy_ = &buddy; }
  int value() const { return value_; }
  // Sets the value within the range and writes it into the buddy.
  void setValue(int value);

  // The user pressed an arrow (or an arrow key in the buddy): +1 up, -1 down. The step starts
  // from the number the buddy shows, since the user may have typed one since the last step.
  void spin(int direction);

  std::function<void()> onChange;

 private:
  int min_ = 0;
  int max_ = 10;
  int increment_ = 1;
  int value_ = 0;
  TextBox* buddy_ = nullptr;
};

}  // namespace tavimo::rt
