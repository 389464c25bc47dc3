#pragma once
// The tariff file as the server streams it on the guest socket: "1" starts a fresh file, each
// "4" piece is appended byte for byte, "3" ends the file and loads the tariff from it.
#include <optional>
#include <string>

namespace tavimo {

// Takes one datagram of the transfer; the reply for the server, if the code asks for one:
// "2|" + pcName after a start, "3|" + pcName after a piece. Other codes are ignored.
std::optional<std::string> takeTariffDatagram(const std::string& datagram);
// Forgets a transfer under way, for a fresh run (or test): pieces need a new start.
void resetTariffTransfer();

}  // namespace tavimo
