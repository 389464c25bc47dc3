#pragma once
// The login screen that locks the computer between sessions: it covers the whole screen,
// stays on top, hides the taskbar, shows the café's texts and the previous user, and takes a
// login name and password. The name decides the kind of login: staff, guest, ticket or member.
#include <array>
#include <cstdint>
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/LateBound.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

namespace tavimo {

class frmstart : public rt::Form {
 public:
  frmstart();

  rt::Frame Frame1{*this, "Frame1"};
  rt::Image Image1{*this, "Image1"};
  std::array<rt::Label, 2> Label3{rt::Label{*this, "Label3", 0}, rt::Label{*this, "Label3", 1}};
  rt::Label lblComputer{*this, "lblComputer"};
  // "Previous user details:" and the captions of the four details, and beside each caption
  // the detail itself (filled by showPreviousUser).
  std::array<rt::Label, 5> info{rt::Label{*this, "info", 0}, rt::Label{*this, "info", 1}, rt::Label{*this, "info", 2},
                                rt::Label{*this, "info", 3}, rt::Label{*this, "info", 4}};
  rt::Label lblUser{*this, "lblUser"};
  rt::Label lblDate{*this, "lblDate"};
  rt::Label lblUsage{*this, "lblUsage"};
  rt::Label lblCharges{*this, "lblCharges"};

  rt::Frame framlogin{*this, "framlogin"};
  rt::Label lblLogin{*this, "lblLogin"};
  rt::TextBox txtlog{*this, "txtlog"};
  rt::Label lblPassword{*this, "lblPassword"};
  rt::TextBox txtpas{*this, "txtpas"};
  rt::CommandButton cmdsubt{*this, "cmdsubt"};
  rt::CommandButton cmdcan{*this, "cmdcan"};
  rt::Label lblStatus{*this, "lblStatus"};
  std::array<rt::OptionButton, 3> optchoice{rt::OptionButton{*this, "optchoice", 0}, rt::OptionButton{*this, "optchoice", 1},
                                            rt::OptionButton{*this, "optchoice", 2}};

  rt::Frame frammessage{*this, "frammessage"};
  rt::Label lblmsg{*this, "lblmsg"};
  rt::CommandButton cmdmessage{*this, "cmdmessage"};

  rt::Timer Timer1{*this, "Timer1"};
  rt::Timer Timer2{*this, "Timer2"};
  rt::Timer Timer3{*this, "Timer3"};
  rt::Timer Timer4{*this, "Timer4"};
  rt::Timer stimer1{*this, "stimer1"};
  // Keeps the screen's layout in proportion to the window (Flexolo.dll; optional).
  rt::LateBoundControl omxFlexolo1{*this, "omxFlexolo1", "Flexolo.omxFlexolo"};

  // Enter: probes the server, then the timers take the login on.
  void cmdsubt_Click();
  void showMessage();
  void hideMessage();

 protected:
  // Brings back a session record that a crash left in the backup, and reports the last
  // session to the server once more.
  void onLoad() override;
  void onActivate() override;
  void onResize() override;

 private:
  void layOut();
  void showPicture();
  void cmdcan_Click();
  void Timer1_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  void Timer4_Timer();
  void loginAsStaff(const std::string& kind);
  void requestTariff();
  void requestAccount(bool ticket);
  void accountAccepted(bool ticket);
  void alreadyLoggedIn();
  void fail(const std::string& message, rt::TextBox& field);
  void serverTimedOut();
  void leaveTopmost();
  std::int16_t pollCount_ = 0;
  rt::TextBox* retryField_ = &txtlog;
};

}  // namespace tavimo
