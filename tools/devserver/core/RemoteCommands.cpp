#include "core/RemoteCommands.h"

#include <algorithm>

#include "core/TextTools.h"

namespace tavimo::devserver {
namespace {

// "idle": nobody is logged in; "session": a customer session runs; "no session": none runs
// (staff may be logged in). The client ignores a command whose condition does not hold.
constexpr RemoteCommand commands[] = {
    {"message", '1', "", "TEXT", 1, "shows TEXT in the message window"},
    {"resume-guest", 'h', "", "FIGURES", 3, "resumes a guest session with FIGURES (idle)"},
    {"block-input", '2', "", "", 0, "blocks keyboard and mouse"},
    {"unblock-input", '3', "", "", 0, "unblocks keyboard and mouse"},
    {"guest-login", '4', "", "", 0, "logs a guest in (idle)"},
    {"logout", '5', "", "", 0, "logs the customer out (session)"},
    {"rate-type", '6', "|", "RATE", 1, "prices guests by tariff section RATE"},
    {"lift-security", '7', "", "", 0, "lifts the security settings (idle)"},
    {"push-settings", '8', "", "", 0, "fetches and applies the security settings (idle)"},
    {"shutdown", '9', "", "", 0, "shuts the computer down (no session)"},
    {"restart", '0', "", "", 0, "restarts the computer (no session)"},
    {"pause", 'p', "", "", 0, "pauses the session clock (session)"},
    {"resume", 't', "", "", 0, "resumes the session clock (session)"},
    {"duration-on", 's', "", "", 0, "guests must choose a surfing duration"},
    {"duration-off", 'n', "", "", 0, "guests need not choose a duration"},
    {"name-on", 'l', "", "", 0, "guests must type a name"},
    {"name-off", 'g', "", "", 0, "guests need not type a name"},
    {"continue-guest", 'c', "", "", 0, "continues the interrupted guest session (idle)"},
    {"close-client", 'x', "", "", 0, "closes the client, the PC stays on (no session)"},
};

}  // namespace

std::span<const RemoteCommand> remoteCommands() { return commands; }

const RemoteCommand* findShortcut(std::string_view word) {
  const std::string name = lowerCase(word);
  const auto found = std::find_if(std::begin(commands), std::end(commands),
                                  [&](const RemoteCommand& c) { return name == c.shortcut; });
  return found == std::end(commands) ? nullptr : found;
}

std::string shortcutUsage(const RemoteCommand& command) {
  std::string usage = std::string(command.shortcut) + " PC";
  if (*command.argument) usage += std::string(" ") + command.argument;
  return usage;
}

std::string commandText(const RemoteCommand& command, std::string_view argument) {
  return std::string(1, command.code) + command.lead + std::string(argument);
}

bool fitsArgument(const RemoteCommand& command, std::string_view argument) {
  if (command.parts == 0) return argument.empty();
  return !argument.empty() && splitAt(argument, '|').size() >= command.parts;
}

}  // namespace tavimo::devserver
