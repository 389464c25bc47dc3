#pragma once
// The server's UDP ports, each with its purpose, and the client port that receives remote
// commands. Clients use these numbers as they are: they are not configurable.
#include <cstdint>
#include <span>

namespace tavimo::devserver {

namespace port {
constexpr std::uint16_t hello = 45671;     // hello and probe
constexpr std::uint16_t reports = 45672;   // session reports, computer-off notice
constexpr std::uint16_t guest = 45673;     // tariff transfer, guest charge reports
constexpr std::uint16_t member = 45674;    // member requests, usage reports, password change
constexpr std::uint16_t orders = 45675;
constexpr std::uint16_t help = 45676;
constexpr std::uint16_t ticket = 45677;    // ticket requests, usage reports
constexpr std::uint16_t commands = 45678;  // remote commands leave from here
constexpr std::uint16_t settings = 45681;  // settings download
// The client's listener for remote commands.
constexpr std::uint16_t clientListener = 45664;
}  // namespace port

struct ServerPort {
  std::uint16_t number;
  const char* purpose;
};

// Every port the server binds, in the order it binds them.
std::span<const ServerPort> serverPorts();
// "hello/probe" for 45671, ...; "unknown" for a port not in the table.
const char* portPurpose(std::uint16_t number);

}  // namespace tavimo::devserver
