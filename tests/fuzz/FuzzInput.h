#pragma once
// What one fuzz input carries: one datagram or file, or several, separated by the byte 0x1E
// (the record separator), which no message or file of the client holds. A seed file of a
// transfer is then readable as its datagrams in order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tavimo::fuzzing {

constexpr char separator = '\x1e';

inline std::string textOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The parts of the input in order; an input without a separator is one part.
std::vector<std::string> partsOf(const std::uint8_t* data, std::size_t size);

}  // namespace tavimo::fuzzing
