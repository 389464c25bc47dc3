#pragma once
// What the server is given (a datagram, a console line) and what it makes of it: datagrams
// to send and notes for the log. No sockets here: the caller does the sending.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Endpoint.h"

namespace tavimo::devserver {

struct Incoming {
  std::uint16_t port = 0;  // the server port it arrived at
  Endpoint from;
  std::string text;
};

struct Outgoing {
  std::uint16_t fromPort = 0;  // the server port it leaves from
  Endpoint to;                 // to.address may be a host name typed at the console
  std::string text;
};

struct Outcome {
  std::vector<Outgoing> sends;
  std::vector<std::string> notes;
  bool quit = false;
};

}  // namespace tavimo::devserver
