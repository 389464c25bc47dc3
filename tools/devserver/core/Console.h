#pragma once
// The staff console: one command a line ("send PC01 5", "clients", "help", "quit").
#include <string>
#include <string_view>

#include "core/ClientList.h"
#include "core/Exchange.h"

namespace tavimo::devserver {

// What the line asks for: remote commands to send (from the command port to the client's
// listener), notes to show, or the end of the server.
Outcome runConsoleLine(std::string_view line, const ClientList& clients);

// The console commands and the remote command codes a client obeys.
std::string consoleHelp();

}  // namespace tavimo::devserver
