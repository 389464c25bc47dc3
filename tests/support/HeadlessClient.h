#pragma once
// A freshly installed client computer for one test: this computer "TAVIMO-PC07" (10.0.0.7,
// Windows XP) with the client's keys and default password, the café server "CAFESERVER"
// (10.0.0.1) on the in-memory network, a fake desktop with a taskbar, a fake shell, and a fresh shared
// context whose sockets accept only the server's datagrams.
#include <string>
#include <vector>

#include "core/ClientContext.h"
#include "core/Installation.h"
#include "platform/Desktop.h"
#include "platform/Shell.h"
#include "support/FakePlatform.h"
#include "support/HeadlessApp.h"
#include "util/mdlRegistry.h"

namespace tavimo::testing {

// A socket of the fake café server, bound to one of its ports, keeping what it receives.
class ServerPort {
 public:
  ServerPort(FakeNet& server, std::uint16_t port) : socket_(server.createSocket()) {
    socket_->bind(port);
    socket_->onReceive = [this](const Datagram& d) { received.push_back(d); };
  }
  // Answers the last datagram's sender.
  void reply(const std::string& text) { socket_->sendTo(received.back().fromAddress, received.back().fromPort, text); }
  void sendTo(const std::string& host, std::uint16_t port, const std::string& text) { socket_->sendTo(host, port, text); }
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const Datagram& d : received) all.push_back(d.data);
    return all;
  }
  std::vector<Datagram> received;

 private:
  std::unique_ptr<DatagramSocket> socket_;
};

struct HeadlessClient : FakePlatform {
  HeadlessApp h;
  FakeDesktop desktop;
  FakeShell shell;
  WindowHandle taskbar = desktop.addWindow("Shell_TrayWnd");

  HeadlessClient() {
    Platform services = platform();
    services.desktop = &desktop;
    services.shell = &shell;
    installPlatform(services);
    systemInfo.setComputerName("TAVIMO-PC07");
    resetClient();
    installDatagramFilter();
    // What every Windows computer has, then what installing the client adds.
    createKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    createInstalledKeys();
  }
  ~HeadlessClient() { resetClient(); }
};

}  // namespace tavimo::testing
