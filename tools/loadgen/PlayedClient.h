#pragma once
// One client PC as the load generator plays it: the datagrams the Tavimo client sends, in its
// order, from its own ports, for a hello, a member, ticket or guest login, the opening session
// report, and a confirmed logout. No sockets here: the caller sends what it is given and hands
// back what arrives, or says that the awaited answer did not come.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavimo::loadgen {

enum class LoginKind { guest, member, ticket };

// The client's local ports and the server's, as the client uses them.
namespace port {
constexpr std::uint16_t server = 45665, computer = 45666, guest = 45667, member = 45668, ticket = 45663, settings = 45680;
constexpr std::uint16_t serverHello = 45671, serverReports = 45672, serverGuest = 45673, serverMember = 45674,
                        serverTicket = 45677, serverSettings = 45681;
}  // namespace port

struct Send {
  std::uint16_t fromPort;
  std::uint16_t toPort;
  std::string text;
};

class PlayedClient {
 public:
  PlayedClient(std::string pcName, std::string address, LoginKind kind);

  // The first datagrams: the hello.
  std::vector<Send> start();
  // A datagram arrived at one of the client's ports: what the client sends next. One that is
  // not the awaited answer counts as wrong and is otherwise ignored.
  std::vector<Send> receive(std::uint16_t localPort, std::string_view text);
  // The awaited answer did not come in time: it counts as lost and the client goes on, as the
  // real one does after its time-outs.
  std::vector<Send> giveUp();

  bool done() const { return step_ == Step::done; }
  // The local port an answer is awaited on; 0 when none is.
  std::uint16_t awaitedPort() const;
  // The client's local ports for its login kind: the ones it binds.
  std::vector<std::uint16_t> localPorts() const;
  const std::string& address() const { return address_; }
  long answered() const { return answered_; }
  long lost() const { return lost_; }
  long wrong() const { return wrong_; }

 private:
  enum class Step { hello, loginProbe, account, tariffStart, tariffPiece, logoutProbe, done };
  std::vector<Send> next();
  std::vector<Send> probe();
  std::vector<Send> loginRequest();
  std::vector<Send> logout();
  std::string sessionReport(bool atLogout) const;
  bool expected(std::uint16_t localPort, std::string_view text) const;

  std::string pcName_;
  std::string address_;
  LoginKind kind_;
  Step step_ = Step::hello;
  long answered_ = 0, lost_ = 0, wrong_ = 0;
};

}  // namespace tavimo::loadgen
