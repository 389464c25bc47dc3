#include "session/MinutesBox.h"

#include "util/Convert.h"
#include "util/Text.h"

namespace tavimo {

void makeMinutesBox(rt::TextBox& box) {
  box.onKeyPress = [](int& key) {
    if (key < '0' || key > '9') key = 0;
  };
  box.onChange = [&box] {
    const auto minutes = toDouble(trim(box.text()));
    if (minutes && *minutes > longestMinutes) box.setText("0");
  };
}

}  // namespace tavimo
