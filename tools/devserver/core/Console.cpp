#include "core/Console.h"

#include "core/Datagram.h"
#include "core/Ports.h"
#include "core/TextTools.h"

namespace tavimo::devserver {
namespace {

constexpr const char* helpText =
    "console commands:\n"
    "  send PCNAME TEXT   send TEXT as a remote command to a client seen by its computer name\n"
    "  send HOST TEXT     send TEXT to HOST (address or host name), port 45664\n"
    "  clients            list the clients seen (computer name and address)\n"
    "  help               this text\n"
    "  quit               stop the server\n"
    "remote commands (the first character is the code; TEXT is sent as typed):\n"
    "  1<message>                       show an administrator message\n"
    "  h<login time>|<elapsed>|<amount> resume a guest session with these figures\n"
    "  4                                log a guest in\n"
    "  5                                log the session out\n"
    "  p / t                            pause / resume the session clock\n"
    "  2 / 3                            block / unblock keyboard and mouse\n"
    "  6|<rate type>                    set the tariff section for guests\n"
    "  s / n                            guests must / need not choose a duration\n"
    "  l / g                            guests must / need not type a name\n"
    "  c                                continue the interrupted guest session\n"
    "  7                                lift the security settings\n"
    "  8                                download the security settings\n"
    "  9 / 0                            shut down / restart the computer\n"
    "  x                                close the client";

// The first word and the rest after one blank: "send PC01 1Hello there" -> "send",
// "PC01 1Hello there". The rest keeps its own blanks: remote commands are sent as typed.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

Outcome sendCommand(std::string_view arguments, const ClientList& clients) {
  Outcome outcome;
  const auto [target, text] = firstWord(arguments);
  if (target.empty() || text.empty()) {
    outcome.notes.push_back("usage: send PCNAME|HOST TEXT (type help for the remote commands)");
    return outcome;
  }
  std::string address(target);
  std::string who = std::string(target);
  if (const ClientRecord* client = clients.find(target)) {
    address = client->address;
    who = client->pcName + " (" + client->address + ")";
  }
  outcome.sends.push_back(Outgoing{port::commands, Endpoint{address, port::clientListener},
                                   std::string(text)});
  outcome.notes.push_back("remote command \"" + printable(text) + "\" to " + who);
  return outcome;
}

Outcome listClients(const ClientList& clients) {
  Outcome outcome;
  const auto records = clients.all();
  if (records.empty()) outcome.notes.push_back("no client seen yet");
  for (const auto& client : records) {
    outcome.notes.push_back(printable(client.pcName) + " at " + client.address +
                            (client.switchedOff ? " (switched off)" : ""));
  }
  return outcome;
}

}  // namespace

std::string consoleHelp() { return helpText; }

Outcome runConsoleLine(std::string_view line, const ClientList& clients) {
  // A line typed at a terminal may end in a carriage return; keep blanks inside the text.
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  const auto [command, arguments] = firstWord(line);
  const std::string name = lowerCase(command);
  Outcome outcome;
  if (name.empty()) return outcome;
  if (name == "send") return sendCommand(arguments, clients);
  if (name == "clients") return listClients(clients);
  if (name == "help") {
    for (const auto part : splitAt(helpText, '\n')) outcome.notes.emplace_back(part);
  } else if (name == "quit" || name == "exit") {
    outcome.quit = true;
    outcome.notes.push_back("stopping");
  } else {
    outcome.notes.push_back("unknown command \"" + printable(command) + "\" (type help)");
  }
  return outcome;
}

}  // namespace tavimo::devserver
