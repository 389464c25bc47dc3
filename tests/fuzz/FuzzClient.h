#pragma once
// A freshly installed client for one fuzz input, as the unit tests make one: this computer
// "TAVIMO-PC07", the café server "CAFESERVER" on the in-memory network, the socket form
// loaded, and every process-wide value fresh. Each input gets its own, so that what one
// input leaves behind cannot hide or cause a fault in the next.
#include <cstdint>
#include <string>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "login/frmstart.h"
#include "net/SettingsTransfer.h"
#include "net/TariffTransfer.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "session/Tariff.h"
#include "support/HeadlessClient.h"

namespace tavimo::fuzzing {

struct FuzzClient {
  FuzzClient() {
    resetTariff();
    resetTariffTransfer();
    resetSettingsTransfer();
    ClientContext& c = client();
    c.pcName = "TAVIMO-PC07";
    c.guestPassword = "guest";
    c.localAddress = "10.0.0.7";
    c.startupPhase = false;
    c.backupFile = stored::systemFile(stored::backupFileName);
    setServerName("CAFESERVER");
    pc.h.app.form<frmSocks>();
  }
  ~FuzzClient() {
    resetTariff();
    resetTariffTransfer();
    resetSettingsTransfer();
  }
  FuzzClient(const FuzzClient&) = delete;
  FuzzClient& operator=(const FuzzClient&) = delete;

  // The client as start-up leaves it: the login screen shown, the command listener loaded.
  void startLogin() {
    pc.h.app.form<frmstart>().show();
    pc.h.app.form<listener>();
    pc.h.backend.advance(10);
  }

  // One datagram from the server to this computer's port, handled.
  void deliver(std::uint16_t port, const std::string& datagram) {
    server.sendTo("10.0.0.7", port, datagram);
    pc.h.backend.advance(10);
  }

  testing::HeadlessClient pc;
  // Where the server sends from and takes the client's answers; the other ports of the
  // server take what the client sends them too.
  testing::ServerPort server{pc.h.server, 45670};
};

}  // namespace tavimo::fuzzing
