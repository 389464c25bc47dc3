#pragma once
// The development café server without its sockets: one handler per server port turns each
// datagram into replies and log notes, and the console turns staff lines into commands.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <string_view>

#include "core/ClientList.h"
#include "core/ClockText.h"
#include "core/Config.h"
#include "core/Exchange.h"
#include "core/FileTransfer.h"

namespace tavimo::devserver {

class DevServer {
 public:
  DevServer(Config config, ServerClock clock);

  // A datagram that arrived at one of the server ports. Replies go to its source.
  Outcome receive(const Incoming& datagram);
  // A line typed at the console.
  Outcome console(std::string_view line) const;
  const ClientList& clients() const { return clients_; }

 private:
  using Handler = void (DevServer::*)(const Incoming&, Outcome&);
  static const std::map<std::uint16_t, Handler>& handlers();

  void onHello(const Incoming& datagram, Outcome& outcome);
  void onReport(const Incoming& datagram, Outcome& outcome);
  void onGuest(const Incoming& datagram, Outcome& outcome);
  void onMember(const Incoming& datagram, Outcome& outcome);
  void onTicket(const Incoming& datagram, Outcome& outcome);
  void onOrders(const Incoming& datagram, Outcome& outcome);
  void onSettings(const Incoming& datagram, Outcome& outcome);
  void onRecordOnly(const Incoming& datagram, Outcome& outcome);
  void answerAccount(AccountKind kind, const Incoming& datagram, Outcome& outcome);
  void changeAccount(AccountKind kind, const std::string& name,
                     std::initializer_list<std::pair<std::size_t, std::string>> changes, Outcome& outcome);
  void beginTransfer(FileTransfers& transfers, const std::string& name,
                     const std::filesystem::path& file, const Incoming& datagram, Outcome& outcome);
  // An acknowledgement "2|pc..." or "3|pc...": true when it was one and has been handled.
  bool acknowledgeTransfer(FileTransfers& transfers, const Incoming& datagram, Outcome& outcome);

  Config config_;
  ServerClock clock_;
  ClientList clients_;
  FileTransfers tariffTransfers_;
  FileTransfers settingsTransfers_;
};

}  // namespace tavimo::devserver
