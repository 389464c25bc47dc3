#pragma once
// The UDP socket control of a form: bound once to a local port, sends each message as one
// datagram to RemoteHost:RemotePort, raises DataArrival once per datagram received.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Net.h"
#include "runtime/Control.h"

namespace tavimo::rt {

struct SocketError {
  int number = 0;
  std::string description;
};

class UdpSocket : public Control {
 public:
  UdpSocket(Form& form, std::string name, int index = -1);
  ~UdpSocket() override;

  // Binds the local port; nothing on success.
  std::optional<SocketError> bind(std::uint16_t port);
  const std::string& remoteHost() const { return remoteHost_; }
  void setRemoteHost(std::string host) { remoteHost_ = std::move(host); }
  long remotePort() const { return remotePort_; }
  void setRemotePort(long port) { remotePort_ = port; }
  // Sends the text, 8-bit as it is, without terminator, as one datagram.
  std::optional<SocketError> sendData(const std::string& text);
  // Inside DataArrival: the datagram that raised it.
  std::string getData() const { return received_.data; }
  // The source address of the last datagram received.
  const std::string& remoteHostIP() const { return received_.fromAddress; }
  std::string localIP() const;
  std::uint16_t localPort() const;
  void close();

  std::function<void(long bytesTotal)> onDataArrival;
  std::function<void(const SocketError&)> onError;

 private:
  DatagramSocket& socket();
  void received(const Datagram& datagram);
  std::unique_ptr<DatagramSocket> socket_;
  std::string remoteHost_;
  long remotePort_ = 0;
  std::uint16_t boundPort_ = 0;
  bool closed_ = false;
  Datagram received_;
};

}  // namespace tavimo::rt
