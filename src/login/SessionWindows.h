#pragma once
// The windows a successful login opens. Each is built in full with its own part of the
// client; until then it is a window with its caption, so the login paths can be followed.
#include <string>

#include "core/ClientContext.h"
#include "runtime/Form.h"

namespace tavimo {

// The configuration panel of a staff login.
class frmControl : public rt::Form {
 public:
  frmControl() : Form("frmControl") { setCaption("Configuration Panel [" + client().loginId + "]"); }
};

}  // namespace tavimo
