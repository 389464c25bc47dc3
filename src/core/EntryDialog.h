#pragma once
// The two small dialogs of the start-up, alike but for their texts and where the entry goes:
// a heading, a prompt, one text box and "&Ok". A blank entry is refused; Return moves on and
// presses "&Ok"; there is no way out but a non-blank entry. They stay on top of everything.
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

namespace tavimo {

class EntryDialog : public rt::Form {
 public:
  rt::Label lblHeading{*this, "lblHeading"};
  rt::Label lblPrompt{*this, "lblPrompt"};
  rt::TextBox txtpas{*this, "txtpas"};
  rt::CommandButton cmdsubt{*this, "cmdsubt"};
  rt::Timer Timer1{*this, "Timer1"};

 protected:
  EntryDialog(std::string name, const std::string& caption, const std::string& prompt, std::string& entry);

 private:
  void cmdsubt_Click();
  std::string& entry_;
};

// Asks for the network name of the server's computer; the answer goes to enteredServerName.
class frmSvrnm : public EntryDialog {
 public:
  frmSvrnm();
};

// Asks for the local administrator password before the client closes; the answer goes to
// typedPassword.
class frmPasswd : public EntryDialog {
 public:
  frmPasswd();
};

}  // namespace tavimo
