#pragma once
// The security settings files as the server sends them on the settings socket: "1|sys",
// "1|exp" or "1|url" starts a fresh file, each "4" piece is appended byte for byte, "3" ends
// the file. A download that the remote command started asks for the next file at each end,
// and once the last has been asked for, every end applies all three.
#include <optional>
#include <string>

namespace tavimo {

// The request for one of the files: "0|" + pcName + "|" + its name in the transfer.
std::string settingsRequest(const char* name);
// Takes one datagram; the reply for the server, if the code asks for one: "2|" + pcName +
// "|na" after a start, "3|" + pcName + "|na" after a piece. Ends are handled here.
std::optional<std::string> takeSettingsDatagram(const std::string& datagram);
// Forgets the file under way and its name, for a fresh run (or test).
void resetSettingsTransfer();

}  // namespace tavimo
