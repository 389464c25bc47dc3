#include "core/LogText.h"

#include <algorithm>

#include "core/Datagram.h"
#include "core/Ports.h"

namespace tavimo::devserver {
namespace {

// The ports that send files in pieces: the tariff and the security settings.
bool sendsFiles(std::uint16_t port) { return port == port::guest || port == port::settings; }

// Content shown of a file piece the server sends: the piece may hold "|" and may be long.
constexpr std::size_t pieceShown = 60;

// A remote command is its code and everything after it as one argument: "1We close" is the
// message "We close", where a field split would drop the "W".
std::string describeCommand(std::string_view text) {
  if (text.empty()) return "(empty datagram)";
  std::string line = "code " + printable(text.substr(0, 1));
  if (text.size() == 1) return line + " (no argument)";
  return line + " [" + printable(text.substr(1)) + "]";
}

std::string describeSent(std::uint16_t port, std::string_view text) {
  if (port == port::commands) return describeCommand(text);
  if (!sendsFiles(port) || datagramCode(text) != '4') return describeDatagram(text);
  const std::string_view piece = text.substr(2);
  std::string line = "code 4 [" + printable(piece.substr(0, pieceShown));
  if (piece.size() > pieceShown) line += "...";
  return line + "] (" + std::to_string(piece.size()) + " bytes)";
}

std::string trafficLine(std::uint16_t port, const char* arrow, const Endpoint& peer,
                        const std::string& description) {
  std::string purpose = portPurpose(port);
  purpose.resize(std::max<std::size_t>(purpose.size(), 14), ' ');
  return std::to_string(port) + " " + purpose + " " + arrow + " " + printable(peer.text()) + "  " +
         description;
}

}  // namespace

std::string receivedLine(const Incoming& datagram) {
  return trafficLine(datagram.port, "<-", datagram.from, describeDatagram(datagram.text));
}

std::string sentLine(const Outgoing& datagram) {
  return trafficLine(datagram.fromPort, "->", datagram.to,
                     describeSent(datagram.fromPort, datagram.text));
}

std::string noteLine(std::string_view note) { return "      " + std::string(note); }

std::string stampedLine(const std::string& time, std::string_view line) {
  return time + " " + std::string(line);
}

}  // namespace tavimo::devserver
