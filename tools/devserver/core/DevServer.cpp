#include "core/DevServer.h"

#include "core/Console.h"
#include "core/Datagram.h"
#include "core/FileText.h"
#include "core/MessageNotes.h"
#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

void reply(const Incoming& datagram, std::string text, Outcome& outcome) {
  outcome.sends.push_back(Outgoing{datagram.port, datagram.from, std::move(text)});
}

void ignore(const Incoming& datagram, Outcome& outcome) {
  std::string why = datagram.text.empty()
                        ? std::string("empty datagram")
                        : "unknown or malformed datagram (code " +
                              printable(datagram.text.substr(0, 1)) + ")";
  outcome.notes.push_back(why + " on the " + portPurpose(datagram.port) + " port; ignored");
}

}  // namespace

DevServer::DevServer(Config config, ServerClock clock)
    : config_(std::move(config)),
      clock_(std::move(clock)),
      tariffTransfers_("tariff", config_.tariff.pieceSize),
      settingsTransfers_("settings", config_.settings.pieceSize) {}

const std::map<std::uint16_t, DevServer::Handler>& DevServer::handlers() {
  static const std::map<std::uint16_t, Handler> table = {
      {port::hello, &DevServer::onHello},     {port::reports, &DevServer::onReport},
      {port::guest, &DevServer::onGuest},     {port::member, &DevServer::onMember},
      {port::ticket, &DevServer::onTicket},   {port::orders, &DevServer::onOrders},
      {port::help, &DevServer::onRecordOnly}, {port::settings, &DevServer::onSettings},
      {port::commands, &DevServer::onRecordOnly},
  };
  return table;
}

Outcome DevServer::receive(const Incoming& datagram) {
  Outcome outcome;
  const auto handler = handlers().find(datagram.port);
  if (handler == handlers().end()) {
    ignore(datagram, outcome);
  } else {
    (this->*(handler->second))(datagram, outcome);
  }
  return outcome;
}

Outcome DevServer::console(std::string_view line) const { return runConsoleLine(line, clients_); }

// "1|PC01" (hello) is answered with code "1", "0|PC01" (probe) with code "2".
void DevServer::onHello(const Incoming& datagram, Outcome& outcome) {
  const char code = datagramCode(datagram.text);
  const auto fields = datagramFields(datagram.text, 1);
  if ((code != '1' && code != '0') || fields.empty() || fields[0].empty()) {
    ignore(datagram, outcome);
    return;
  }
  const std::string& pcName = fields[0];
  clients_.seen(pcName, datagram.from.address);
  const char answer = code == '1' ? '1' : '2';
  reply(datagram, handshakeReply(answer, config_.handshake, clock_.date(), clock_.time()),
        outcome);
  outcome.notes.push_back(std::string(code == '1' ? "hello" : "probe") + " from \"" +
                          printable(pcName) + "\": answered with code " + answer);
}

void DevServer::onReport(const Incoming& datagram, Outcome& outcome) {
  if (datagramCode(datagram.text) == '0') {
    const auto fields = datagramFields(datagram.text, 1);
    if (!fields.empty()) clients_.switchedOff(fields[0]);
  }
  onRecordOnly(datagram, outcome);
}

void DevServer::onGuest(const Incoming& datagram, Outcome& outcome) {
  const auto fields = datagramFields(datagram.text, 2);
  if (datagramCode(datagram.text) == '0' && fields.size() == 2 && fields[1] == "rates") {
    beginTransfer(tariffTransfers_, "charges24.ini", config_.tariff.file, datagram, outcome);
  } else if (!acknowledgeTransfer(tariffTransfers_, datagram, outcome)) {
    onRecordOnly(datagram, outcome);
  }
}

// "0|PC01|sys", "0|PC01|exp", "0|PC01|url": the client asks for one security settings file
// (after the remote command "8" and then at the end of each file); "" comes with every hello.
void DevServer::onSettings(const Incoming& datagram, Outcome& outcome) {
  const auto fields = datagramFields(datagram.text, 2);
  if (datagramCode(datagram.text) == '0' && fields.size() == 2) {
    if (const auto file = config_.settings.path(fields[1])) {
      beginTransfer(settingsTransfers_, fields[1], *file, datagram, outcome);
    } else {
      outcome.notes.push_back("settings request for an unknown file \"" + printable(fields[1]) +
                              "\" (known: sys, exp, url); ignored");
    }
  } else if (!acknowledgeTransfer(settingsTransfers_, datagram, outcome)) {
    onRecordOnly(datagram, outcome);
  }
}

// The file is read for every request, so that an edited file reaches the next download.
void DevServer::beginTransfer(FileTransfers& transfers, const std::string& name,
                              const std::filesystem::path& file, const Incoming& datagram,
                              Outcome& outcome) {
  auto content = readWholeFile(file);
  if (!content) {
    outcome.notes.push_back(transfers.kind() + " file " + file.string() +
                            " cannot be read; request not answered");
    return;
  }
  TransferStep step = transfers.begin(datagram.from, name, std::move(*content));
  reply(datagram, std::move(*step.datagram), outcome);
  outcome.notes.push_back(std::move(step.note));
}

bool DevServer::acknowledgeTransfer(FileTransfers& transfers, const Incoming& datagram,
                                    Outcome& outcome) {
  const char code = datagramCode(datagram.text);
  if ((code != '2' && code != '3') || datagramFields(datagram.text, 1).empty()) return false;
  TransferStep step = transfers.acknowledge(datagram.from, code);
  if (step.datagram) reply(datagram, std::move(*step.datagram), outcome);
  outcome.notes.push_back(std::move(step.note));
  return true;
}

// "0|PC01|anna" asks for an account; "1|PC01|pwdchng|anna|new" changes its password and
// "1|PC01|savmem|anna|2|30|0|1" books the time used, so the next login sees both.
void DevServer::onMember(const Incoming& datagram, Outcome& outcome) {
  const char code = datagramCode(datagram.text);
  if (code == '0') {
    answerAccount(AccountKind::member, datagram, outcome);
    return;
  }
  onRecordOnly(datagram, outcome);
  const auto fields = datagramFields(datagram.text, 4);
  if (code != '1' || fields.size() < 4) return;
  if (fields[1] == "pwdchng") changeAccount(AccountKind::member, fields[2], {{field::password, fields[3]}}, outcome);
  if (fields[1] == "savmem") {
    const auto usage = datagramFields(datagram.text);
    if (usage.size() >= 5)
      changeAccount(AccountKind::member, usage[2], {{field::usedHours, usage[3]}, {field::usedMinutes, usage[4]}}, outcome);
  }
}

// "1|PC01|1001|0|45|0|0" books the ticket's time used.
void DevServer::onTicket(const Incoming& datagram, Outcome& outcome) {
  const char code = datagramCode(datagram.text);
  if (code == '0') {
    answerAccount(AccountKind::ticket, datagram, outcome);
    return;
  }
  onRecordOnly(datagram, outcome);
  const auto usage = datagramFields(datagram.text);
  if (code == '1' && usage.size() >= 4)
    changeAccount(AccountKind::ticket, usage[1], {{field::usedHours, usage[2]}, {field::usedMinutes, usage[3]}}, outcome);
}

void DevServer::changeAccount(AccountKind kind, const std::string& name,
                              std::initializer_list<std::pair<std::size_t, std::string>> changes, Outcome& outcome) {
  for (const auto& [index, value] : changes) {
    if (auto problem = config_.accounts.update(kind, name, index, value)) {
      outcome.notes.push_back(std::string(accountKindName(kind)) + " \"" + printable(name) + "\" not changed: " + *problem);
      return;
    }
  }
  outcome.notes.push_back(std::string(accountKindName(kind)) + " \"" + printable(name) + "\" changed");
}

// "0|PC01|anna": the account's record, or "0|" when there is none.
void DevServer::answerAccount(AccountKind kind, const Incoming& datagram, Outcome& outcome) {
  const auto fields = datagramFields(datagram.text, 2);
  if (fields.size() < 2) {
    ignore(datagram, outcome);
    return;
  }
  const Account* account = config_.accounts.find(kind, fields[1]);
  reply(datagram, accountReply(account), outcome);
  outcome.notes.push_back(std::string(accountKindName(kind)) + " request from \"" +
                          printable(fields[0]) + "\" for \"" + printable(fields[1]) + "\": " +
                          (account ? "known" : "unknown"));
}

// "1|PC01" asks for the item list: one datagram "name|price" per item, in the file's order.
void DevServer::onOrders(const Incoming& datagram, Outcome& outcome) {
  onRecordOnly(datagram, outcome);
  if (datagramCode(datagram.text) != '1' || datagramFields(datagram.text).empty()) return;
  for (const Item& item : config_.items) reply(datagram, item.name + "|" + item.price, outcome);
  outcome.notes.push_back("sent " + std::to_string(config_.items.size()) + " items");
}

void DevServer::onRecordOnly(const Incoming& datagram, Outcome& outcome) {
  if (auto note = messageNote(datagram.port, datagram.text)) {
    outcome.notes.push_back(std::move(*note));
  } else {
    ignore(datagram, outcome);
  }
}

}  // namespace tavimo::devserver
