#pragma once
// The login screen that locks the computer between sessions.
#include "runtime/Form.h"

namespace tavimo {

class frmstart : public rt::Form {
 public:
  frmstart();
};

}  // namespace tavimo
