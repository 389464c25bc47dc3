#pragma once
// The login screen's two text labels, with their own colours, without the rest of the screen:
// what the login texts are loaded into.
#include "runtime/Form.h"

namespace tavimo {

struct frmTexts : rt::Form {
  rt::Label first{*this, "Label3", 0};
  rt::Label second{*this, "Label3", 1};
  frmTexts() : Form("frmTexts") {
    first.setForeColor(rt::rgb(172, 10, 0));
    second.setForeColor(rt::rgb(1, 153, 17));
  }
};

}  // namespace tavimo
