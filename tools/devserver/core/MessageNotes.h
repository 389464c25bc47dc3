#pragma once
// Readable notes for the datagrams the server only records (session reports, charge and
// usage reports, orders, help requests, settings traffic): a title and each field by name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavimo::devserver {

// `session report: pc="PC01" status="1" ...`, or nothing when no known message of that port
// has this shape.
std::optional<std::string> messageNote(std::uint16_t port, std::string_view text);

}  // namespace tavimo::devserver
