#pragma once
// Case folding of 8-bit ANSI text (Windows-1252), for the fakes that must match names the way
// the registry and the profile functions do: without regard to case.
#include <string>
#include <string_view>

namespace tavimo {

// The upper-case letter of an ANSI character; other characters stay as they are.
constexpr char upperAnsi(char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
  switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // s caron
    case 0x9C: return static_cast<char>(0x8C);  // oe
    case 0x9E: return static_cast<char>(0x8E);  // z caron
    case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
    default: return c;
  }
}

inline std::string upperAnsi(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = upperAnsi(c);
  return upper;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (upperAnsi(a[i]) != upperAnsi(b[i])) return false;
  }
  return true;
}

}  // namespace tavimo
