#include "net/Udp.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tavimo::devserver::net {
namespace {

// An IPv4 address for `host`, which may be dotted or a name.
std::optional<sockaddr_in> resolve(const std::string& host, std::uint16_t port,
                                   std::string& why) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* found = nullptr;
  const int status = getaddrinfo(host.c_str(), nullptr, &hints, &found);
  if (status != 0 || found == nullptr) {
    why = "cannot resolve \"" + host + "\": " + gai_strerror(status);
    return std::nullopt;
  }
  sockaddr_in address{};
  std::memcpy(&address, found->ai_addr, sizeof address);
  freeaddrinfo(found);
  address.sin_port = htons(port);
  return address;
}

std::string systemError(int number) { return std::strerror(number); }

}  // namespace

UdpSocket::UdpSocket(const std::string& address, std::uint16_t port, bool shared) : port_(port) {
  std::string why;
  const auto local = resolve(address, port, why);
  if (!local) throw SocketError(why);
  handle_ = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (handle_ < 0) throw SocketError("cannot open a UDP socket: " + systemError(errno));
  const int yes = 1;
  // Room for a burst: every client of a café saying hello at once is more than the default
  // buffer holds while the server writes its log lines. The system caps it at its maximum.
  const int receiveBuffer = 4 << 20;
  ::setsockopt(handle_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
  if (shared) ::setsockopt(handle_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  if (::bind(handle_, reinterpret_cast<const sockaddr*>(&*local), sizeof *local) != 0) {
    const int error = errno;
    ::close(handle_);
    throw SocketError("cannot bind " + address + ":" + std::to_string(port) + ": " +
                      systemError(error));
  }
  ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) | O_NONBLOCK);
}

UdpSocket::~UdpSocket() {
  if (handle_ >= 0) ::close(handle_);
}

std::optional<std::string> UdpSocket::sendTo(const Endpoint& to, std::string_view text) {
  std::string why;
  const auto remote = resolve(to.address, to.port, why);
  if (!remote) return why;
  const auto sent = ::sendto(handle_, text.data(), text.size(), 0,
                             reinterpret_cast<const sockaddr*>(&*remote), sizeof *remote);
  if (sent < 0) return systemError(errno);
  if (static_cast<std::size_t>(sent) != text.size()) return "datagram cut short";
  return std::nullopt;
}

std::optional<Received> UdpSocket::receive() {
  char buffer[65536];  // the largest UDP datagram fits
  sockaddr_in from{};
  socklen_t fromSize = sizeof from;
  const auto got = ::recvfrom(handle_, buffer, sizeof buffer, 0,
                              reinterpret_cast<sockaddr*>(&from), &fromSize);
  if (got < 0) return std::nullopt;
  char dotted[INET_ADDRSTRLEN] = "";
  ::inet_ntop(AF_INET, &from.sin_addr, dotted, sizeof dotted);
  return Received{Endpoint{dotted, ntohs(from.sin_port)},
                  std::string(buffer, static_cast<std::size_t>(got))};
}

Ready waitForInput(const std::vector<UdpSocket*>& sockets, bool watchConsole, int timeoutMs) {
  std::vector<pollfd> watched;
  for (const auto* socket : sockets) watched.push_back(pollfd{socket->handle(), POLLIN, 0});
  if (watchConsole) watched.push_back(pollfd{STDIN_FILENO, POLLIN, 0});
  Ready ready;
  if (::poll(watched.data(), watched.size(), timeoutMs) <= 0) return ready;
  for (std::size_t i = 0; i < sockets.size(); ++i) {
    if (watched[i].revents != 0) ready.sockets.push_back(i);
  }
  ready.console = watchConsole && watched.back().revents != 0;
  return ready;
}

bool readConsole(std::string& text) {
  char buffer[4096];
  const auto got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got < 0) return errno == EINTR || errno == EAGAIN;
  if (got == 0) return false;
  text.append(buffer, static_cast<std::size_t>(got));
  return true;
}

}  // namespace tavimo::devserver::net
