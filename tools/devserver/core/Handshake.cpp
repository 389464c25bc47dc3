#include "core/Handshake.h"

namespace tavimo::devserver {

std::string handshakeReply(char code, const HandshakeValues& values, const std::string& date,
                           const std::string& time) {
  return std::string(1, code) + "|" + values.adminPassword + "|" + values.managerPassword + "|" +
         values.guestPassword + "|" + values.currency + "|" + date + "|" + time;
}

}  // namespace tavimo::devserver
