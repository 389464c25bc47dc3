#pragma once
// An in-memory network of named hosts on a virtual clock: datagrams arrive whole, in order,
// after a small latency, and every send is logged so tests can compare exact texts.
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Net.h"
#include "platform/VirtualClock.h"

namespace tavimo {

class FakeNet;
class FakeSocket;

struct SentDatagram {
  std::string fromAddress;
  std::uint16_t fromPort = 0;
  std::string toAddress;
  std::uint16_t toPort = 0;
  std::string data;
};

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

}  // namespace tavimo
