#pragma once
// How the browser's zone map puts a site into a zone: under the site's key, one value per
// protocol holds the zone's number, and the value "*" stands for every protocol.
#include <cstdint>

namespace tavimo {

inline constexpr const char* everyProtocol = "*";
constexpr std::int32_t restrictedSitesZone = 4;

}  // namespace tavimo
