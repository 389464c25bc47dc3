#pragma once
// A text box for a number of minutes up to an hour's worth: only digits can be typed (every
// other key, editing keys too, is swallowed), and a number above 59 turns into "0".
#include "runtime/TextBox.h"

namespace tavimo {

inline constexpr int longestMinutes = 59;

void makeMinutesBox(rt::TextBox& box);

}  // namespace tavimo
