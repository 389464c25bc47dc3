#pragma once
// The server's only contact with the system's sockets and console input, kept in one small
// file per platform (Udp_posix.cpp here) so that a Winsock variant replaces just that file.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/Endpoint.h"

namespace tavimo::devserver::net {

class SocketError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Received {
  Endpoint from;
  std::string text;
};

class UdpSocket {
 public:
  // Binds address:port (IPv4; a host name is resolved). `shared` lets other sockets that ask
  // for it bind the same port too. Throws SocketError with the system's reason.
  UdpSocket(const std::string& address, std::uint16_t port, bool shared = false);
  ~UdpSocket();
  UdpSocket(const UdpSocket&) = delete;
  UdpSocket& operator=(const UdpSocket&) = delete;

  // Sends one datagram; the address may be a host name. The reason when it fails.
  std::optional<std::string> sendTo(const Endpoint& to, std::string_view text);
  // A waiting datagram, without blocking; nothing when none waits. (A Winsock variant must
  // switch SIO_UDP_CONNRESET off: else a reply to a vanished client fails the next receive.)
  std::optional<Received> receive();
  std::uint16_t port() const { return port_; }
  int handle() const { return handle_; }

 private:
  int handle_ = -1;
  std::uint16_t port_ = 0;
};

struct Ready {
  std::vector<std::size_t> sockets;  // indices into the list given to waitForInput
  bool console = false;
};

// Waits at most `timeoutMs` for a datagram on any socket or (when watched) console input.
// A signal ends the wait early with nothing ready.
Ready waitForInput(const std::vector<UdpSocket*>& sockets, bool watchConsole, int timeoutMs);

// Appends what the console has to `text`; false once the console has ended.
bool readConsole(std::string& text);

}  // namespace tavimo::devserver::net
