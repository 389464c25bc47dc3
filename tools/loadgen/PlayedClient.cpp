#include "PlayedClient.h"

namespace tavimo::loadgen {
namespace {

// The sample café's accounts, and the figures the reports carry.
struct Login {
  const char* user;
  const char* label;
  std::uint16_t local;
  std::uint16_t server;
};
Login loginOf(LoginKind kind) {
  switch (kind) {
    case LoginKind::member: return {"anna", "member", port::member, port::serverMember};
    case LoginKind::ticket: return {"1001", "ticket", port::ticket, port::serverTicket};
    case LoginKind::guest: break;
  }
  return {"guest", "guest", port::guest, port::serverGuest};
}
const char* const date = "12/09/2026";
const char* const loginTime = "10:31:05 AM";
const char* const logoutTime = "10:46:05 AM";

}  // namespace

PlayedClient::PlayedClient(std::string pcName, std::string address, LoginKind kind)
    : pcName_(std::move(pcName)), address_(std::move(address)), kind_(kind) {}

std::vector<std::uint16_t> PlayedClient::localPorts() const {
  return {port::server, port::computer, loginOf(kind_).local, port::settings};
}

std::uint16_t PlayedClient::awaitedPort() const {
  switch (step_) {
    case Step::hello:
    case Step::loginProbe:
    case Step::logoutProbe: return port::server;
    case Step::account:
    case Step::tariffStart:
    case Step::tariffPiece: return loginOf(kind_).local;
    case Step::done: break;
  }
  return 0;
}

// Every hello and probe goes with the empty settings request, as the client's sends them.
std::vector<Send> PlayedClient::start() {
  step_ = Step::hello;
  return {{port::server, port::serverHello, "1|" + pcName_}, {port::settings, port::serverSettings, ""}};
}

std::vector<Send> PlayedClient::probe() {
  return {{port::server, port::serverHello, "0|" + pcName_}, {port::settings, port::serverSettings, ""}};
}

std::vector<Send> PlayedClient::loginRequest() {
  const Login login = loginOf(kind_);
  step_ = kind_ == LoginKind::guest ? Step::tariffStart : Step::account;
  const std::string wanted = kind_ == LoginKind::guest ? "rates" : login.user;
  return {{login.local, login.server, "0|" + pcName_ + "|" + wanted}};
}

// The timer window's first report, then (the session over) the logout's probe.
std::vector<Send> PlayedClient::logout() {
  std::vector<Send> sends = {{port::computer, port::serverReports, sessionReport(false)}};
  for (Send& s : probe()) sends.push_back(std::move(s));
  step_ = Step::logoutProbe;
  return sends;
}

// The logout confirmed: the charge or the usage, and the closing report.
std::vector<Send> PlayedClient::next() {
  switch (step_) {
    case Step::hello:
      step_ = Step::loginProbe;
      return probe();
    case Step::loginProbe: return loginRequest();
    case Step::account:
    case Step::tariffStart:
    case Step::tariffPiece: return logout();
    case Step::logoutProbe: {
      step_ = Step::done;
      const Login login = loginOf(kind_);
      std::string usage;
      if (kind_ == LoginKind::guest) usage = "1|" + pcName_ + "|New|10";
      if (kind_ == LoginKind::member) usage = "1|" + pcName_ + "|savmem|anna|2|30|0|0";
      if (kind_ == LoginKind::ticket) usage = "1|" + pcName_ + "|1001|0|15|0|0";
      return {{login.local, login.server, usage}, {port::computer, port::serverReports, sessionReport(true)}};
    }
    case Step::done: break;
  }
  return {};
}

std::string PlayedClient::sessionReport(bool atLogout) const {
  const Login login = loginOf(kind_);
  const std::string amount = kind_ == LoginKind::guest ? (atLogout ? "10" : "0") : "0";
  return std::string("2|") + pcName_ + "|" + (atLogout ? "0" : "1") + "|" + date + "|" + login.user + "|" + login.label +
         "|" + (atLogout ? "0:15:0" : "0:0:0") + "|" + amount + "|" + loginTime + "|" + (atLogout ? logoutTime : "") +
         "|1|" + address_;
}

bool PlayedClient::expected(std::uint16_t localPort, std::string_view text) const {
  if (localPort != awaitedPort() || text.size() < 2 || text[1] != '|') return false;
  switch (step_) {
    case Step::hello: return text[0] == '1';
    case Step::loginProbe:
    case Step::logoutProbe: return text[0] == '2';
    case Step::account: return text[0] == '1';
    case Step::tariffStart: return text[0] == '1';
    case Step::tariffPiece: return text[0] == '4' || text[0] == '3';
    case Step::done: break;
  }
  return false;
}

std::vector<Send> PlayedClient::receive(std::uint16_t localPort, std::string_view text) {
  if (!expected(localPort, text)) {
    ++wrong_;
    return {};
  }
  ++answered_;
  // The tariff's pieces are acknowledged on the guest socket until its end.
  if (step_ == Step::tariffStart) {
    step_ = Step::tariffPiece;
    return {{port::guest, port::serverGuest, "2|" + pcName_}};
  }
  if (step_ == Step::tariffPiece && text[0] == '4') return {{port::guest, port::serverGuest, "3|" + pcName_}};
  return next();
}

std::vector<Send> PlayedClient::giveUp() {
  if (step_ == Step::done) return {};
  ++lost_;
  return next();
}

}  // namespace tavimo::loadgen
