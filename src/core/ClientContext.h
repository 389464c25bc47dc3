#pragma once
// The values several windows of the client share for the whole run: what start-up learned
// about this computer and the server, what the server's last answer said, and who is logged
// in. One instance per process, reached through client().
#include <cstdint>
#include <string>
#include <vector>

#include "util/Convert.h"

namespace tavimo {

// A member's or ticket holder's account as the server sends it; a ticket has no amount.
struct Account {
  std::string password;
  std::string scheme;
  std::string registrationDate;
  std::string expiryDate;
  std::int16_t totalHours = 0;
  std::int16_t totalMinutes = 0;
  std::int16_t usedHours = 0;
  std::int16_t usedMinutes = 0;
  double amount = 0;
  std::uint8_t alreadyLoggedIn = 0;
  std::int16_t minimumMinutes = 0;
};

// The last session as the Timers key holds it, read by loadSessionRecord.
struct SessionRecord {
  std::string Status;
  std::string UserId;
  std::string Elapsed;
  std::string Amount;
  std::string Date;
  std::string LoginTime;
  std::string LogoutTime;
  std::string RateType;
};

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
  // Who is logged in.
  std::string loginId;    // member id, ticket number, "guest", or the staff name typed
  std::string loginKind;  // "admn", "mgr", "gust", "memb", "tket", or empty
  std::string userLabel;  // the guest's name, "member" or "ticket"
  // What the guest setup asks of a guest, as the server last set it.
  bool guestAsksName = false;
  bool guestAsksDuration = false;
  // Account requests.
  Account memberAccount;
  Account ticketAccount;
  bool memberReplied = false;
  bool memberFound = false;
  bool ticketFound = false;
  // Session state.
  SessionRecord sessionRecord;
  std::string pendingMessage;
  bool slotExpired = false;
  bool accountUsedUp = false;
  // The expiry date each account's timer last read: a text that does not convert keeps it,
  // and before the first one it is the zero date, which ends the session at once.
  Date memberExpiry{1899, 12, 30};
  Date ticketExpiry{1899, 12, 30};  // the member or ticket session ended because its time ran out
  std::int16_t trayOwner = 0;  // whose window the tray notice hides: 1 guest, 2 member, 3 ticket
  std::string backupFile;
  // How far the settings download the server ordered has come: 0 none, 1 the system file
  // was asked for, 2 the browser file, 3 the website file.
  std::int16_t settingsStep = 0;
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
