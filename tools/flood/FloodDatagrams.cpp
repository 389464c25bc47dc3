#include "FloodDatagrams.h"

#include <map>

namespace tavimo::flood {
namespace {

const std::string handshake = "2|admin|manager|guest|USD|12/09/2026|10:31:05 AM";
// The sample café's slot tariff, so that the server's own transfers leave the price as it was.
const std::string tariff = "[1]\r\ntype=1\r\nslots=15,30,45,60\r\nrates=10,15,20,25\r\nafter=1\r\ncharges=12\r\nmin=30\r\n";

// Ports by the socket that binds them.
constexpr std::uint16_t wskServer = 45665, wskComputer = 45666, wskGuest = 45667, wskMember = 45668,
                        wskTicket = 45663, Csetting = 45680, Winsockls = 45664, ws1 = 45669;

const std::map<std::uint16_t, std::vector<std::string>>& harmless() {
  static const std::map<std::uint16_t, std::vector<std::string>> table = {
      {wskServer, {handshake, "1|admin|manager|guest|USD|12/09/2026|10:31:05 AM"}},
      {wskComputer, {handshake}},
      // A whole tariff transfer of the sample's first section.
      {wskGuest, {"1|charges24.ini", "4|" + tariff, "3|charges24.ini"}},
      {wskMember, {"1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15", "0|"}},
      {wskTicket, {"1|t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0", "0|"}},
      // With no download asked for, a settings file is written and not applied.
      {Csetting, {"1|sys", "4|[startmenu]\r\nrunmenu=0\r\n", "3|sys"}},
      // Each is ignored while a customer session runs, or changes nothing that it uses.
      {Winsockls, {"a", "n", "g", "t", "3", "4", "c", "7", "8", "9", "0", "x", "h10:31:05 AM|0:0:1|1", "1"}},
      {ws1, {"Coffee|1.50", "Tea|1"}},
  };
  return table;
}

// What a foreign sender adds: commands that would end, pause or take over the session, and
// answers that would change what the client knows of its server.
const std::map<std::uint16_t, std::vector<std::string>>& hostile() {
  static const std::map<std::uint16_t, std::vector<std::string>> table = {
      {wskServer, {"1|evil|evil|evil|EVIL|01/01/2001|1:00:00 AM"}},
      {wskGuest, {"1|charges24.ini", "4|[1]\r\ntype=0\r\nrates=99\r\n", "3|charges24.ini"}},
      {wskMember, {"1|evil|Gold|01/15/2024|12/31/2030|99|0|0|0|0|0|0"}},
      {Csetting, {"1|url", "4|[Apply]\r\nType=Allowed\r\n", "3|url"}},
      {Winsockls, {"5", "p", "2", "s", "l", "6|Flat", "1FOREIGN", "x", "0", "9", "hFOREIGN|9:9:9|99"}},
  };
  return table;
}

}  // namespace

std::vector<std::string> wellFormed(std::uint16_t port, Sender sender) {
  std::vector<std::string> datagrams;
  if (auto it = harmless().find(port); it != harmless().end()) datagrams = it->second;
  if (sender == Sender::foreign) {
    if (auto it = hostile().find(port); it != hostile().end())
      datagrams.insert(datagrams.begin(), it->second.begin(), it->second.end());
  }
  return datagrams;
}

std::vector<std::string> oversizedHeads(std::uint16_t port) {
  // A start on the guest or settings socket would replace the file with the filler: those
  // ports get their pieces and ends only, which find no transfer open.
  static const std::map<std::uint16_t, std::vector<std::string>> table = {
      {wskServer, {"1|", "2|"}},
      {wskGuest, {"4|", "2|", "3|"}},
      {wskMember, {"1|", "0|"}},
      {wskTicket, {"1|", "0|"}},
      {Csetting, {"4|", "2|", "3|"}},
      {Winsockls, {"1", "a", "n", "g", "t", "3", "4", "c", "7", "8", "9", "0", "x", "h"}},
      {ws1, {"Coffee|"}},
  };
  std::vector<std::string> heads;
  if (auto it = table.find(port); it != table.end()) heads = it->second;
  heads.push_back("\xff");
  return heads;
}

std::string garbage(std::mt19937& random, Sender sender) {
  std::uniform_int_distribution<int> length(1, 200), byte(0, 255), upper(0x80, 0xff);
  std::string text(static_cast<std::size_t>(length(random)), '\0');
  for (char& c : text) c = static_cast<char>(byte(random));
  // Bytes above 127 are no code of any socket, nor of any remote command.
  if (sender == Sender::server) text[0] = static_cast<char>(upper(random));
  return text;
}

}  // namespace tavimo::flood
