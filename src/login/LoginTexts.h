#pragma once
// The café's own texts on the login screen: a header and a message block, each kept in a
// file of the program folder as the text, "|", and its colour number.
#include "runtime/Controls.h"

namespace tavimo {

// Loads "aid.log" into the first label and "aid2.log" into the second, each grown to its
// text. A missing file is created empty; a colour that is no number leaves the label's own.
void loadLoginTexts(rt::Label& first, rt::Label& second);

}  // namespace tavimo
