#pragma once
// The values several windows of the client share for the whole run: what start-up learned
// about this computer and the server, what the server's last answer said, and who is logged
// in. One instance per process, reached through client().
#include <string>
#include <vector>

namespace tavimo {

struct ClientContext {
  // Start-up and server connection.
  std::string serverName;                   // the server's computer name, trimmed
  std::vector<std::string> serverAddresses;  // what serverName resolves to: the accepted sources
  std::string pcName;
  std::string localAddress;
  std::string sendBuffer;
  bool startupPhase = false;
  bool serverReplied = false;
  std::string enteredServerName;
  std::string typedPassword;
  // From the server's handshake answer.
  std::string adminPassword;
  std::string managerPassword;
  std::string guestPassword;
  std::string currencyName;
  std::string serverDate;  // "mm/dd/yyyy"
  std::string serverTime;  // "h:m:s AM"
  // Session state.
  std::string pendingMessage;
  bool slotExpired = false;
  std::string backupFile;
};

ClientContext& client();
// Starts the run (or a test) from a fresh context.
void resetClient();
// Sets serverName and resolves it, so that only the server's own datagrams are accepted.
void setServerName(const std::string& name);
// From now on the client's sockets take datagrams only from the server's addresses: the
// server's answers carry the staff passwords, and its commands log people in and out.
void installDatagramFilter();

}  // namespace tavimo
