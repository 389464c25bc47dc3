#pragma once
// The first window of the program: it shows the connection status and, each time it becomes
// the active window, runs the start-up: binds the sockets, finds the server's name and sends
// the hello.
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "runtime/UdpSocket.h"

namespace tavimo {

class frmconnection : public rt::Form {
 public:
  frmconnection();
  rt::Label lblTitle{*this, "lblTitle"};
  rt::Label Label1{*this, "Label1"};
  rt::CheckBox Check4{*this, "Check4"};
  rt::UdpSocket cws1{*this, "cws1"};
  rt::Timer Timer1{*this, "Timer1"};

 protected:
  void onActivate() override;
};

// The server's name as stored, asking the operator first when none is stored.
std::string getServerName();
// After the server's first answer: the login screen and the remote command listener.
void startLogin();

}  // namespace tavimo
