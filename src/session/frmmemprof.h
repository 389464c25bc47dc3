#pragma once
// The account window of a member or ticket login: the account's time, amount and dates
// before the session starts. "&Ok" starts the session, "E&xit" goes back to the login screen;
// members may change their password from here.
#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"

namespace tavimo {

class frmmemprof : public rt::Form {
 public:
  frmmemprof();

  rt::Label Label3{*this, "Label3"};
  rt::Label Label1{*this, "Label1"};
  rt::Frame Frame1{*this, "Frame1"};
  rt::Label lblSchemeCaption{*this, "lblSchemeCaption"};
  rt::Label lblScheme{*this, "lblScheme"};
  rt::Label lblttCaption{*this, "lblttCaption"};
  rt::Label lbltt{*this, "lbltt"};
  rt::Label lbltuCaption{*this, "lbltuCaption"};
  rt::Label lbltu{*this, "lbltu"};
  rt::Label lblamntCaption{*this, "lblamntCaption"};
  rt::Label lblamnt{*this, "lblamnt"};
  rt::Label lblrdateCaption{*this, "lblrdateCaption"};
  rt::Label lblrdate{*this, "lblrdate"};
  rt::Label lbledateCaption{*this, "lbledateCaption"};
  rt::Label lbledate{*this, "lbledate"};
  rt::Shape Line2{*this, "Line2"};
  rt::Label Label4{*this, "Label4"};
  rt::CommandButton Command1{*this, "Command1"};
  rt::CommandButton Command2{*this, "Command2"};
  rt::Timer Timer1{*this, "Timer1"};

 protected:
  void onActivate() override;
  void onUnload(bool& cancel) override;

 private:
  void Label4_Click();
  bool proceed_ = false;
};

}  // namespace tavimo
