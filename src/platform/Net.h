#pragma once
// UDP datagrams as the socket control uses them: bind a local port, send one datagram to a
// host and port, receive whole datagrams as events on the user-interface thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <map>
#include <vector>

#include "platform/VirtualClock.h"

namespace tavimo {

class FakeNet;
class FakeSocket;

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
  // reports on the socket (an unreachable port answered by the network, for example). Never
  // inside itself: a datagram that comes while a handler of this socket lets events run
  // waits until the handler returns.
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

struct SentDatagram {
  std::string fromAddress;
  std::uint16_t fromPort = 0;
  std::string toAddress;
  std::uint16_t toPort = 0;
  std::string data;
};

// An in-memory network of named hosts on a virtual clock: datagrams arrive whole, in order,
// after a small latency, and every send is logged so tests can compare exact texts.
class FakeNetwork {
 public:
  explicit FakeNetwork(VirtualClock& clock, std::uint64_t latency = 1) : clock_(clock), latency_(latency) {}
  ~FakeNetwork();

  // The host with that name and address, added on first use.
  FakeNet& host(const std::string& name, const std::string& address);
  // Whether a datagram to a port nobody listens on comes back as an error on the sender's
  // socket, as an answering host's "port unreachable" does.
  void setReportUnreachable(bool report) { reportUnreachable_ = report; }
  const std::vector<SentDatagram>& sent() const { return sent_; }
  void clearSent() { sent_.clear(); }

 private:
  friend class FakeNet;
  friend class FakeSocket;
  using Endpoint = std::pair<std::string, std::uint16_t>;  // host address, port
  std::vector<std::string> resolve(const std::string& host) const;
  void deliver(const Endpoint& to, const Datagram& datagram, const Endpoint& from);

  VirtualClock& clock_;
  std::uint64_t latency_;
  bool reportUnreachable_ = true;
  std::vector<std::unique_ptr<FakeNet>> hosts_;
  std::map<Endpoint, FakeSocket*> bound_;
  std::vector<SentDatagram> sent_;
};

class FakeNet : public Net {
 public:
  FakeNet(FakeNetwork& network, std::string name, std::string address)
      : network_(network), name_(std::move(name)), address_(std::move(address)) {}
  std::unique_ptr<DatagramSocket> createSocket() override;
  std::string localAddress() override { return address_; }
  std::vector<std::string> resolve(const std::string& host) override { return network_.resolve(host); }
  const std::string& name() const { return name_; }

 private:
  friend class FakeNetwork;
  friend class FakeSocket;
  FakeNetwork& network_;
  std::string name_;
  std::string address_;
  std::uint16_t nextEphemeral_ = 50000;
};

#ifdef _WIN32
// Winsock sockets whose events arrive as window messages on the user-interface thread
// (WSAAsyncSelect), so their handlers run one at a time with every other event.
class Win32Net : public Net {
 public:
  Win32Net();
  ~Win32Net() override;
  std::unique_ptr<DatagramSocket> createSocket() override;
  std::string localAddress() override;
  std::vector<std::string> resolve(const std::string& host) override;
};
#endif

}  // namespace tavimo
