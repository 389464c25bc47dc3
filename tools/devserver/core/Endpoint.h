#pragma once
// Where a datagram came from or goes to: an address (or, for commands typed by staff, a host
// name still to be resolved) and a UDP port.
#include <cstdint>
#include <string>

namespace tavimo::devserver {

struct Endpoint {
  std::string address;
  std::uint16_t port = 0;

  std::string text() const { return address + ":" + std::to_string(port); }
  auto operator<=>(const Endpoint&) const = default;
};

}  // namespace tavimo::devserver
