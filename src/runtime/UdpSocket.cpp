#include "runtime/UdpSocket.h"

#include "platform/Platform.h"
#include "runtime/App.h"

namespace tavimo::rt {

namespace {
std::optional<SocketError> errorFor(int status) {
  if (status == 0) return std::nullopt;
  return SocketError{status, socketErrorText(status)};
}
}  // namespace

UdpSocket::UdpSocket(Form& form, std::string name, int index) : Control(form, ControlKind::UdpSocket, std::move(name), index) {
  setVisible(false);
}

UdpSocket::~UdpSocket() = default;

DatagramSocket& UdpSocket::socket() {
  if (!socket_) {
    socket_ = platform().net->createSocket();
    socket_->onReceive = [this](const Datagram& datagram) { received(datagram); };
    socket_->onError = [this](int error) {
      if (onError) onError(SocketError{error, socketErrorText(error)});
    };
  }
  return *socket_;
}

std::optional<SocketError> UdpSocket::bind(std::uint16_t port) {
  auto error = errorFor(socket().bind(port));
  if (!error) boundPort_ = port;
  return error;
}

std::optional<SocketError> UdpSocket::sendData(const std::string& text) {
  if (remotePort_ <= 0 || remotePort_ > 65535) return errorFor(wsa::InvalidArgument);
  // A closed socket sends from the port it was bound to, as before the close.
  if (closed_) {
    closed_ = false;
    if (auto error = bind(boundPort_)) return error;
  }
  return errorFor(socket().sendTo(remoteHost_, static_cast<std::uint16_t>(remotePort_), text));
}

std::string UdpSocket::localIP() const { return platform().net->localAddress(); }

std::uint16_t UdpSocket::localPort() const { return socket_ && !closed_ ? socket_->localPort() : boundPort_; }

// The socket object stays: a handler of its own DataArrival may close it.
void UdpSocket::close() {
  if (!socket_ || closed_) return;
  socket_->close();
  closed_ = true;
}

void UdpSocket::received(const Datagram& datagram) {
  if (!app().acceptsDatagramFrom(datagram.fromAddress)) return;
  received_ = datagram;
  if (onDataArrival) onDataArrival(static_cast<long>(datagram.data.size()));
}

}  // namespace tavimo::rt
