#pragma once
// A started client at its login screen with its command listener, and the café server that
// sends it commands from its commands port and keeps what the client sends back.
#include <string>

#include "core/ClientContext.h"
#include "login/frmstart.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "support/HeadlessClient.h"

namespace tavimo::testing {

struct ListenerClient {
  ListenerClient() {
    ClientContext& c = client();
    c.pcName = "TAVIMO-PC07";
    c.guestPassword = "guest";
    c.backupFile = stored::systemFile(stored::backupFileName);
    setServerName("CAFESERVER");
    pc.h.app.form<frmSocks>();
    pc.h.app.form<frmstart>().show();
    pc.h.app.form<listener>();
    pc.h.backend.advance(10);
    for (ServerPort* port : {&hello, &reports, &settings}) port->received.clear();
  }
  // One command from the server, handled.
  void send(const std::string& command) {
    commands.sendTo("10.0.0.7", 45664, command);
    pc.h.backend.advance(10);
  }
  bool loaded(const std::string& form) const { return pc.h.app.formNamed(form) != nullptr; }

  HeadlessClient pc;
  ServerPort commands{pc.h.server, 45678};
  ServerPort hello{pc.h.server, 45671};
  ServerPort reports{pc.h.server, 45672};
  ServerPort settings{pc.h.server, 45681};
};

}  // namespace tavimo::testing
