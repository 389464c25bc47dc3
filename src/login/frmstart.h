#pragma once
// The login screen that locks the computer between sessions.
#include "runtime/Form.h"

namespace tavimo {

class frmstart : public rt::Form {
 public:
  frmstart();

 protected:
  // Brings back a session record that a crash left in the backup, and reports the last
  // session to the server once more.
  void onLoad() override;
};

}  // namespace tavimo
