#pragma once
// What the flood sends to each port of the client: the datagrams that port takes, well formed,
// and garbage. From the server's own address only datagrams that leave a running session as
// it is (a "5" or a "p" from there is obeyed, as it must be); from a foreign address every
// kind, the session-ending commands first of all, since the client must refuse them all.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tavimo::flood {

enum class Sender { server, foreign };

// The well-formed datagrams for the port, in the order they are sent round; empty for a port
// the client binds but takes nothing on.
std::vector<std::string> wellFormed(std::uint16_t port, Sender sender);

// A datagram of random bytes, 1 to 200 long. From the server's address its first byte is one
// that no socket of the client takes as a code, so it stays garbage to every handler.
std::string garbage(std::mt19937& random, Sender sender);

// The heads of the largest datagrams sent to the port (each filled up to the size with "A"):
// every code the port takes that leaves a running session and its tariff as they are, then
// one no socket takes.
std::vector<std::string> oversizedHeads(std::uint16_t port);

}  // namespace tavimo::flood
