#include "app/Serve.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <vector>

#include "app/Log.h"
#include "core/DevServer.h"
#include "core/LogText.h"
#include "core/Ports.h"
#include "net/Udp.h"

namespace tavimo::devserver {
namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

// How long one wait may last: bounds the delay between a signal and the stop.
constexpr int waitMs = 250;
// Datagrams taken from one socket per round, so that a flood on one port cannot starve the
// others or the console.
constexpr int datagramsPerRound = 64;

class ServerLoop {
 public:
  ServerLoop(DevServer& server, Log& log) : server_(server), log_(log) {}

  void bind(const std::string& address) {
    for (const auto& entry : serverPorts()) {
      try {
        // The command port only sends; a "send" run beside the server shares it.
        sockets_.push_back(std::make_unique<net::UdpSocket>(address, entry.number,
                                                            entry.number == port::commands));
      } catch (const net::SocketError& error) {
        throw net::SocketError(std::string(error.what()) + " (" + entry.purpose + " port)");
      }
      watched_.push_back(sockets_.back().get());
    }
  }

  void run() {
    bool consoleOpen = true;
    while (stopRequested == 0 && !quit_) {
      const net::Ready ready = net::waitForInput(watched_, consoleOpen, waitMs);
      for (const std::size_t index : ready.sockets) drain(*watched_[index]);
      if (ready.console && !readConsole()) {
        consoleOpen = false;
        log_.console("console input ended; the server runs on until SIGINT or SIGTERM");
      }
    }
  }

 private:
  void drain(net::UdpSocket& socket) {
    for (int i = 0; i < datagramsPerRound; ++i) {
      auto received = socket.receive();
      if (!received) return;
      const Incoming incoming{socket.port(), std::move(received->from), std::move(received->text)};
      log_.traffic(receivedLine(incoming));
      deliver(server_.receive(incoming), false);
    }
  }

  // False once the console has ended (stdin closed): the server then runs on without it.
  bool readConsole() {
    const bool open = net::readConsole(pending_);
    for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
      const std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      deliver(server_.console(line), true);
    }
    if (!open && !pending_.empty()) {
      deliver(server_.console(pending_), true);
      pending_.clear();
    }
    return open;
  }

  void deliver(const Outcome& outcome, bool fromConsole) {
    for (const auto& note : outcome.notes) {
      if (fromConsole) {
        log_.console(noteLine(note));
      } else {
        log_.traffic(noteLine(note));
      }
    }
    for (const auto& datagram : outcome.sends) send(datagram);
    if (outcome.quit) quit_ = true;
  }

  void send(const Outgoing& datagram) {
    for (auto* socket : watched_) {
      if (socket->port() != datagram.fromPort) continue;
      if (auto why = socket->sendTo(datagram.to, datagram.text)) {
        log_.error(noteLine("cannot send to " + datagram.to.text() + ": " + *why));
      } else {
        log_.traffic(sentLine(datagram));
      }
      return;
    }
  }

  DevServer& server_;
  Log& log_;
  std::vector<std::unique_ptr<net::UdpSocket>> sockets_;
  std::vector<net::UdpSocket*> watched_;
  std::string pending_;
  bool quit_ = false;
};

}  // namespace

int serve(const ServeOptions& options, const std::filesystem::path& programFolder) {
  const auto configFile = options.config.value_or(programFolder / "devserver.ini");
  try {
    Config config = loadConfig(configFile);
    if (options.address) config.address = *options.address;
    const std::string address = config.address;
    const std::size_t members = config.accounts.size(AccountKind::member);
    const std::size_t tickets = config.accounts.size(AccountKind::ticket);
    Log log(options.quiet, options.logFile);
    DevServer server(std::move(config), ServerClock(options.date, options.time));
    ServerLoop loop(server, log);
    loop.bind(address);
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    log.console("tavimo-devserver ready on " + address + " (" + configFile.string() + ": " +
                std::to_string(members) + " member(s), " + std::to_string(tickets) +
                " ticket(s)); type help for the console commands");
    loop.run();
    log.console("tavimo-devserver stopped");
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavimo-devserver: " << error.what() << std::endl;
    return 1;
  }
}

int sendOnce(const SendOptions& options) {
  const std::string address = options.address.value_or("0.0.0.0");
  try {
    std::unique_ptr<net::UdpSocket> socket;
    try {
      socket = std::make_unique<net::UdpSocket>(address, port::commands, true);
    } catch (const net::SocketError& error) {
      std::cerr << "tavimo-devserver: " << error.what() << "; sending from another port"
                << std::endl;
      socket = std::make_unique<net::UdpSocket>(address, 0);
    }
    const Outgoing datagram{port::commands, Endpoint{options.to, port::clientListener},
                            options.text};
    if (auto why = socket->sendTo(datagram.to, datagram.text)) {
      std::cerr << "tavimo-devserver: cannot send to " << datagram.to.text() << ": " << *why
                << std::endl;
      return 1;
    }
    std::cout << sentLine(datagram) << std::endl;
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "tavimo-devserver: " << error.what() << std::endl;
    return 1;
  }
}

}  // namespace tavimo::devserver
