#pragma once
// The guest setup: when the server asks for it, a guest types a name, the minutes he wants to
// surf, or both, before the guest timer starts. Cancel sends him back to the login screen.
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"
#include "runtime/UpDown.h"

namespace tavimo {

class frmtimeselect : public rt::Form {
 public:
  frmtimeselect();

  rt::Frame Frame3{*this, "Frame3"};
  rt::Label lblName{*this, "lblName"};
  rt::TextBox txtName{*this, "txtName"};
  rt::Frame Frame2{*this, "Frame2"};
  rt::Label lblSurfFor{*this, "lblSurfFor"};
  rt::TextBox Text1{*this, "Text1"};
  rt::UpDown UpDown1{*this, "UpDown1"};
  rt::Label lblMinutes{*this, "lblMinutes"};
  rt::Label lblNote{*this, "lblNote"};
  rt::Label lblNoteText{*this, "lblNoteText"};
  rt::CommandButton Command1{*this, "Command1"};
  rt::CommandButton Command2{*this, "Command2"};

  void Command1_Click();

 protected:
  void onActivate() override;
  void onUnload(bool& cancel) override;

 private:
  void layOut(bool asksName, bool asksDuration);
  bool setupConfirmed_ = false;
};

}  // namespace tavimo
