#pragma once
// A freshly installed client for one fuzz input, as the unit tests make one: this computer
// "TAVIMO-PC07", the café server "CAFESERVER" on the in-memory network, the socket form
// loaded, and every process-wide value fresh. Each input gets its own, so that what one
// input leaves behind cannot hide or cause a fault in the next.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "login/frmstart.h"
#include "net/SettingsTransfer.h"
#include "net/TariffTransfer.h"
#include "net/Ports.h"
#include "net/frmSocks.h"
#include "net/listener.h"
#include "session/frmmemprof.h"
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

  // A customer types a name and password at the login screen and presses Enter; the server
  // answers the probe.
  void logIn(const std::string& name, const std::string& password) {
    frmstart& screen = pc.h.app.form<frmstart>();
    screen.txtlog.setText(name);
    screen.txtpas.setText(password);
    screen.cmdsubt_Click();
    deliver(ports::wskServer, "2|admin|mgr|guest|Rs|12/09/2026|10:31:05 AM");
    pc.h.backend.advance(500);
  }

  // A member's or ticket holder's login answered by `replies` on the account's socket; when
  // the account lets the customer in, the account window is confirmed and the timer runs for
  // a few seconds on the account's figures.
  void accountSession(const std::string& name, const std::string& password, std::uint16_t port,
                      const std::vector<std::string>& replies) {
    startLogin();
    logIn(name, password);
    for (const std::string& reply : replies) deliver(port, reply);
    pc.h.backend.advance(600);
    if (pc.h.app.isLoaded<frmmemprof>()) pc.h.app.form<frmmemprof>().Command1.userClick();
    pc.h.backend.advance(3000);
  }

  // One datagram from the server to this computer's port, handled.
  void deliver(std::uint16_t port, const std::string& datagram) {
    server.sendTo("10.0.0.7", port, datagram);
    pc.h.backend.advance(10);
  }

  testing::HeadlessClient pc;
  // Where the server sends from.
  testing::ServerPort server{pc.h.server, 45670};
  // The server's own ports take what the client sends them, as a running server does: a
  // datagram to a port nobody listens on would come back as a socket error.
  std::vector<std::unique_ptr<testing::ServerPort>> serverPorts = [this] {
    std::vector<std::unique_ptr<testing::ServerPort>> all;
    for (std::uint16_t port : {ports::serverHello, ports::serverReports, ports::serverGuest, ports::serverMember,
                               ports::serverOrders, ports::serverHelp, ports::serverTicket, ports::serverSettings})
      all.push_back(std::make_unique<testing::ServerPort>(pc.h.server, port));
    return all;
  }();
};

}  // namespace tavimo::fuzzing
