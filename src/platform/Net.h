#pragma once
// UDP datagrams as the socket control uses them: bind a local port, send one datagram to a
// host and port, receive whole datagrams as events on the user-interface thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavimo {

// Winsock error numbers the client meets.
namespace wsa {
constexpr int AddressInUse = 10048;
constexpr int AddressNotAvailable = 10049;
constexpr int NetworkUnreachable = 10051;
constexpr int ConnectionReset = 10054;
constexpr int HostUnreachable = 10065;
constexpr int HostNotFound = 11001;
constexpr int InvalidArgument = 10022;
constexpr int NotSocket = 10038;
}  // namespace wsa

// The description the socket control gives for an error number.
std::string socketErrorText(int error);

struct Datagram {
  std::string data;
  std::string fromAddress;  // dotted IPv4
  std::uint16_t fromPort = 0;
};

class DatagramSocket {
 public:
  virtual ~DatagramSocket() = default;
  // Binds to the port on every local address; 0 picks a free port. Returns 0 or the error.
  virtual int bind(std::uint16_t port) = 0;
  // Sends one datagram, binding to a free port first if unbound. The host is a name or a
  // dotted address. Returns 0 or the error; nothing is sent on an error.
  virtual int sendTo(const std::string& host, std::uint16_t port, const std::string& data) = 0;
  virtual void close() = 0;
  virtual std::uint16_t localPort() const = 0;

  // Raised on the user-interface thread: one call per datagram, and for errors the system
  // reports on the socket (an unreachable port answered by the network, for example).
  std::function<void(const Datagram&)> onReceive;
  std::function<void(int error)> onError;
};

class Net {
 public:
  virtual ~Net() = default;
  virtual std::unique_ptr<DatagramSocket> createSocket() = 0;
  // This computer's IPv4 address in dotted form.
  virtual std::string localAddress() = 0;
  // The IPv4 addresses a host name or dotted address stands for; none when unknown.
  virtual std::vector<std::string> resolve(const std::string& host) = 0;
};

}  // namespace tavimo
