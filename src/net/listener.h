#pragma once
// The hidden form that receives the server's remote commands on its own socket.
#include "runtime/Form.h"
#include "runtime/UdpSocket.h"

namespace tavimo {

class listener : public rt::Form {
 public:
  listener();
  rt::UdpSocket Winsockls{*this, "Winsockls"};

 protected:
  void onLoad() override;
};

}  // namespace tavimo
