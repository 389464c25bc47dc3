#include "core/Console.h"

#include <algorithm>

#include "core/Datagram.h"
#include "core/Ports.h"
#include "core/RemoteCommands.h"
#include "core/TextTools.h"

namespace tavimo::devserver {
namespace {

constexpr const char* consoleCommands =
    "console commands:\n"
    "  send PC TEXT   send TEXT as typed as a remote command; PC is a computer name seen by\n"
    "                 its hello (any case) or an address or host name (port 45664)\n"
    "  clients        list the clients seen (computer name and address)\n"
    "  help           this text\n"
    "  quit           stop the server\n"
    "remote commands: send PC TEXT (the first character of TEXT is the code) or a shortcut:";

constexpr const char* remoteCommandNotes =
    "  FIGURES: login time|elapsed|amount, e.g. 1:05:09 PM|0:4:59|2.5\n"
    "  idle: nobody logged in; session: a customer session runs; no session: none runs\n"
    "  push-settings: obeyed where SecSetting is 1 (HKLM\\Software\\Tavimo\\Settings)";

// "  8      push-settings PC   downloads and applies ...": the code and what follows it, the
// shortcut with its arguments, and what the client does, in columns.
std::string remoteCommandsHelp() {
  const auto commands = remoteCommands();
  std::size_t width = 0;
  for (const auto& c : commands) width = std::max(width, shortcutUsage(c).size());
  std::string text = "  code   " + std::string("shortcut").append(width - 8, ' ') + "  the client";
  for (const auto& c : commands) {
    std::string code = std::string(1, c.code) + c.lead + (*c.argument ? "..." : "");
    code.resize(7, ' ');
    std::string shortcut = shortcutUsage(c);
    shortcut.resize(width, ' ');
    text += "\n  " + code + shortcut + "  " + c.meaning;
  }
  return text;
}

// The first word and the rest after one blank: "send PC01 1Hello there" -> "send",
// "PC01 1Hello there". The rest keeps its own blanks: remote commands are sent as typed.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

// To a client seen by that computer name, or else to the target as an address or host name.
Outcome commandTo(std::string_view target, const std::string& text, const ClientList& clients) {
  Outcome outcome;
  std::string address(target);
  std::string who(target);
  if (const ClientRecord* client = clients.find(target)) {
    address = client->address;
    who = client->pcName + " (" + client->address + ")";
  }
  outcome.sends.push_back(Outgoing{port::commands, Endpoint{address, port::clientListener}, text});
  outcome.notes.push_back("remote command \"" + printable(text) + "\" to " + who);
  return outcome;
}

Outcome usage(const std::string& line) {
  Outcome outcome;
  outcome.notes.push_back("usage: " + line + " (type help for the remote commands)");
  return outcome;
}

Outcome sendCommand(std::string_view arguments, const ClientList& clients) {
  const auto [target, text] = firstWord(arguments);
  if (target.empty() || text.empty()) return usage("send PC TEXT");
  return commandTo(target, std::string(text), clients);
}

Outcome shortcutCommand(const RemoteCommand& command, std::string_view arguments,
                        const ClientList& clients) {
  const auto [target, argument] = firstWord(arguments);
  if (target.empty() || !fitsArgument(command, argument)) {
    return usage(shortcutUsage(command));
  }
  return commandTo(target, commandText(command, argument), clients);
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

std::string consoleHelp() {
  return std::string(consoleCommands) + "\n" + remoteCommandsHelp() + "\n" + remoteCommandNotes;
}

Outcome runConsoleLine(std::string_view line, const ClientList& clients) {
  // A line typed at a terminal may end in a carriage return; keep blanks inside the text.
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  const auto [command, arguments] = firstWord(line);
  const std::string name = lowerCase(command);
  Outcome outcome;
  if (name.empty()) return outcome;
  if (name == "send") return sendCommand(arguments, clients);
  if (const RemoteCommand* shortcut = findShortcut(name)) return shortcutCommand(*shortcut, arguments, clients);
  if (name == "clients") return listClients(clients);
  if (name == "help") {
    const std::string help = consoleHelp();
    for (const auto part : splitAt(help, '\n')) outcome.notes.emplace_back(part);
  } else if (name == "quit" || name == "exit") {
    outcome.quit = true;
    outcome.notes.push_back("stopping");
  } else {
    outcome.notes.push_back("unknown command \"" + printable(command) + "\" (type help)");
  }
  return outcome;
}

}  // namespace tavimo::devserver
