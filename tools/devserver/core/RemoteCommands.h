#pragma once
// The remote commands a client's listener obeys: one datagram, its first character the code,
// the rest its argument. Each has a console shortcut, so that staff need not know the codes.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tavimo::devserver {

struct RemoteCommand {
  const char* shortcut;  // the console word: "message", "push-settings"
  char code;
  const char* lead;      // what goes between the code and the argument: "" or "|"
  const char* argument;  // what staff type after the computer name; "" for none
  std::size_t parts;     // the "|"-separated parts the argument needs at least (0: none)
  const char* meaning;   // what the client does, and when it obeys
};

// Every remote command, in the order the help lists them.
std::span<const RemoteCommand> remoteCommands();
// The command with that shortcut, in any case; nullptr when there is none.
const RemoteCommand* findShortcut(std::string_view word);
// How staff type it: "message PC TEXT", "logout PC".
std::string shortcutUsage(const RemoteCommand& command);
// The datagram: "1" + "We close at ten", "6" + "|" + "Flat".
std::string commandText(const RemoteCommand& command, std::string_view argument);
// Whether the argument has what the command needs: text where it takes one, the "|"-separated
// parts it needs, nothing where it takes none.
bool fitsArgument(const RemoteCommand& command, std::string_view argument);

}  // namespace tavimo::devserver
