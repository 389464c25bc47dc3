#pragma once
// The hidden form that receives the server's remote commands on its own socket: one
// datagram, one command, its code the first character. It also makes changed security
// policies take effect (appsetting), for every place that changes them.
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "runtime/UdpSocket.h"

namespace tavimo {

class listener : public rt::Form {
 public:
  listener();

  rt::UdpSocket Winsockls{*this, "Winsockls"};
  rt::Timer Timer1{*this, "Timer1"};
  rt::Label lbllist{*this, "lbllist"};

  // Carries out one command as the server sent it.
  void command(const std::string& datagram);
  // New policies take effect: the shell restarts on the NT family, the computer restarts
  // on the old one.
  void appsetting();

 protected:
  void onLoad() override;

 private:
  struct Command;
  static const Command commands[];
  void message(const std::string& text);
  void resumeGuest(const std::string& text);
  void blockInput(const std::string& text);
  void unblockInput(const std::string& text);
  void guestLogin(const std::string& text);
  void logOut(const std::string& text);
  void setRateType(const std::string& text);
  void liftSecurity(const std::string& text);
  void downloadSettings(const std::string& text);
  void shutDown(const std::string& text);
  void restart(const std::string& text);
  void pause(const std::string& text);
  void resume(const std::string& text);
  void askDuration(const std::string& text);
  void skipDuration(const std::string& text);
  void continueGuest(const std::string& text);
  void askName(const std::string& text);
  void skipName(const std::string& text);
  void closeClient(const std::string& text);
  void goOffline();
};

}  // namespace tavimo
