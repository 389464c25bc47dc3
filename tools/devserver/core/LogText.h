#pragma once
// The server's log lines, one per datagram in or out and one per note, so that staff can
// follow a client and tests can wait for a line.
#include <string>
#include <string_view>

#include "core/Exchange.h"

namespace tavimo::devserver {

// "45671 hello/probe    <- 127.0.0.1:45665  code 1 [PC01]"
std::string receivedLine(const Incoming& datagram);
// "45671 hello/probe    -> 127.0.0.1:45665  code 1 [admin] [manager] ..."; a piece of the
// tariff or a settings file is shown whole as one field, its start only, and its length; a
// remote command as its code and its argument, everything after the code.
std::string sentLine(const Outgoing& datagram);
// "      hello from "PC01": answered with code 1"
std::string noteLine(std::string_view note);
// "14:03:22 " + line
std::string stampedLine(const std::string& time, std::string_view line);

}  // namespace tavimo::devserver
