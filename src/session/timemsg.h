#pragma once
// The prompt two minutes before a guest's chosen time runs out: the guest may extend the
// session by a number of minutes, or let it end.
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"
#include "runtime/UpDown.h"

namespace tavimo {

class timemsg : public rt::Form {
 public:
  timemsg();

  rt::Label Label1{*this, "Label1"};
  rt::Frame Frame2{*this, "Frame2"};
  rt::TextBox Text1{*this, "Text1"};
  rt::UpDown UpDown1{*this, "UpDown1"};
  rt::Label Label2{*this, "Label2"};
  rt::CommandButton Command1{*this, "Command1"};
  rt::CommandButton Command2{*this, "Command2"};

 protected:
  void onActivate() override;

 private:
  void Command1_Click();
};

// Closes the prompt if it is open: the session it asked about has ended.
void closeReminder();

}  // namespace tavimo
