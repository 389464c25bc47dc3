#include "platform/Net.h"

#include <algorithm>
#include <cctype>
#include <deque>

namespace tavimo {

namespace {
std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}
const std::string loopback = "127.0.0.1";
}  // namespace

class FakeSocket : public DatagramSocket {
 public:
  explicit FakeSocket(FakeNet& host) : host_(host) {}
  ~FakeSocket() override { close(); }

  int bind(std::uint16_t port) override {
    close();
    if (port == 0) port = host_.nextEphemeral_++;
    auto& bound = host_.network_.bound_;
    if (bound.count({host_.address_, port})) return wsa::AddressInUse;
    bound[{host_.address_, port}] = this;
    port_ = port;
    return 0;
  }

  int sendTo(const std::string& host, std::uint16_t port, const std::string& data) override {
    auto addresses = host_.network_.resolve(host);
    if (addresses.empty()) return wsa::HostNotFound;
    if (port_ == 0) {
      if (int error = bind(0)) return error;
    }
    const std::string& to = addresses.front();
    // A datagram to this host's own address or to loopback stays on this host.
    bool local = to == loopback || to == host_.address_;
    std::string from = to == loopback ? loopback : host_.address_;
    FakeNetwork& network = host_.network_;
    network.sent_.push_back({from, port_, to, port, data});
    FakeNetwork::Endpoint target{local ? host_.address_ : to, port};
    FakeNetwork::Endpoint source{host_.address_, port_};
    Datagram datagram{data, from, port_};
    network.clock_.schedule(network.latency_, [&network, target, datagram, source] {
      network.deliver(target, datagram, source);
    });
    return 0;
  }

  void close() override {
    if (port_ == 0) return;
    host_.network_.bound_.erase({host_.address_, port_});
    port_ = 0;
  }

  std::uint16_t localPort() const override { return port_; }

  // As a Winsock socket's: a datagram that arrives while this socket's handler runs waits
  // for the handler to return.
  void receive(const Datagram& datagram) {
    waiting_.push_back(datagram);
    if (delivering_) return;
    delivering_ = true;
    while (!waiting_.empty() && port_ != 0) {
      const Datagram next = std::move(waiting_.front());
      waiting_.pop_front();
      if (onReceive) onReceive(next);
    }
    waiting_.clear();
    delivering_ = false;
  }

 private:
  FakeNet& host_;
  std::uint16_t port_ = 0;
  std::deque<Datagram> waiting_;
  bool delivering_ = false;
};

FakeNetwork::~FakeNetwork() = default;

FakeNet& FakeNetwork::host(const std::string& name, const std::string& address) {
  for (auto& h : hosts_)
    if (lower(h->name_) == lower(name) && h->address_ == address) return *h;
  hosts_.push_back(std::make_unique<FakeNet>(*this, name, address));
  return *hosts_.back();
}

namespace {
bool isDottedAddress(const std::string& text) {
  int dots = 0;
  for (char c : text) {
    if (c == '.')
      ++dots;
    else if (!std::isdigit(static_cast<unsigned char>(c)))
      return false;
  }
  return dots == 3;
}
}  // namespace

std::vector<std::string> FakeNetwork::resolve(const std::string& host) const {
  std::string name = lower(host);
  if (name.empty()) return {};
  if (name == "localhost") return {loopback};
  if (isDottedAddress(name)) return {name};
  std::vector<std::string> found;
  for (auto& h : hosts_)
    if (lower(h->name_) == name) found.push_back(h->address_);
  return found;
}

std::unique_ptr<DatagramSocket> FakeNet::createSocket() { return std::make_unique<FakeSocket>(*this); }

void FakeNetwork::deliver(const Endpoint& to, const Datagram& datagram, const Endpoint& from) {
  auto receiver = bound_.find(to);
  if (receiver != bound_.end()) {
    receiver->second->receive(datagram);
    return;
  }
  if (!reportUnreachable_) return;
  auto sender = bound_.find(from);
  if (sender != bound_.end() && sender->second->onError) sender->second->onError(wsa::ConnectionReset);
}

}  // namespace tavimo
