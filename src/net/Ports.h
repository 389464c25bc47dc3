#pragma once
// The UDP ports of the client's sockets and of the café server they talk to.
#include <cstdint>

namespace tavimo::ports {

// Local ports the client binds.
constexpr std::uint16_t wskServer = 45665;
constexpr std::uint16_t wskComputer = 45666;
constexpr std::uint16_t wskGuest = 45667;
constexpr std::uint16_t wskMember = 45668;
constexpr std::uint16_t wskTicket = 45663;
constexpr std::uint16_t Csetting = 45680;
constexpr std::uint16_t Winsockls = 45664;
constexpr std::uint16_t ws1 = 45669;

// The server's ports.
constexpr std::uint16_t serverHello = 45671;     // hello and probe
constexpr std::uint16_t serverReports = 45672;   // session reports, computer-off notice
constexpr std::uint16_t serverGuest = 45673;     // tariff transfer, guest charge reports
constexpr std::uint16_t serverMember = 45674;    // member requests, password change, usage
constexpr std::uint16_t serverOrders = 45675;
constexpr std::uint16_t serverHelp = 45676;
constexpr std::uint16_t serverTicket = 45677;
constexpr std::uint16_t serverCommands = 45678;  // where remote commands come from
constexpr std::uint16_t serverSettings = 45681;

}  // namespace tavimo::ports
