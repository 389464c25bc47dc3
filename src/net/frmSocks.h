#pragma once
// The hidden socket form: binds the client's server sockets when it loads, sends the hello and
// the probe (doSvrconnect) and any other message (doConnect), takes the server's handshake
// answer, and handles the answer time-out and socket errors of the start-up.
#include <cstdint>
#include <string>

#include "runtime/Form.h"
#include "runtime/Timer.h"
#include "runtime/UdpSocket.h"

namespace tavimo {

class frmSocks : public rt::Form {
 public:
  frmSocks();

  rt::UdpSocket wskServer{*this, "wskServer"};
  rt::UdpSocket Csetting{*this, "Csetting"};
  rt::UdpSocket wskGuest{*this, "wskGuest"};
  rt::UdpSocket wskMember{*this, "wskMember"};
  rt::UdpSocket wskTicket{*this, "wskTicket"};
  rt::UdpSocket wskComputer{*this, "wskComputer"};
  rt::Timer Timer1{*this, "Timer1"};
  rt::Timer Timer2{*this, "Timer2"};
  rt::Timer svrTimer1{*this, "svrTimer1"};
  std::int16_t Cnt = 0;

  // Sends sendBuffer to the server's hello port, the settings request, and starts the
  // 20-second answer time-out.
  void doSvrconnect();
  // Sends a message on a socket to the server at the port; a failure is shown and passed over.
  void doConnect(rt::UdpSocket& socket, std::int32_t port, const std::string& message);

 protected:
  void onLoad() override;

 private:
  void wskServer_DataArrival();
  void wskServer_Error();
  void wskGuest_DataArrival();
  void Csetting_DataArrival();
  void Timer2_Timer();
};

// Unloads every form from the last loaded to the first, except one captioned "Login mode".
void UnloadAll();

}  // namespace tavimo
