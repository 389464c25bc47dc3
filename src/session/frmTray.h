#pragma once
// The notice shown before a timer window hides into the notification area: how to bring it
// back. Its "Ok" hides the window whose session runs (trayOwner).
#include "runtime/Controls.h"
#include "runtime/Form.h"

namespace tavimo {

class frmTray : public rt::Form {
 public:
  frmTray();

  rt::Image Image1{*this, "Image1"};
  rt::Image Image2{*this, "Image2"};
  rt::Label Label1{*this, "Label1"};
  rt::CommandButton Command1{*this, "Command1"};

 private:
  void Command1_Click();
};

}  // namespace tavimo
