#pragma once
// The answer to a client's hello ("1|" + pc name, answered with code "1") and probe ("0|" +
// pc name, code "2"): the staff and guest passwords, the currency, the date and the time.
#include <string>

namespace tavimo::devserver {

struct HandshakeValues {
  std::string adminPassword = "admin";
  std::string managerPassword = "manager";
  std::string guestPassword = "guest";
  std::string currency = "USD";
};

// code "|" admin "|" manager "|" guest "|" currency "|" date "|" time.
std::string handshakeReply(char code, const HandshakeValues& values, const std::string& date,
                           const std::string& time);

}  // namespace tavimo::devserver
