#pragma once
// Text helpers with the client's own rules: Trim removes blanks (spaces) only, as the
// client's string functions do; tabs and other characters stay.
#include <string>
#include <string_view>

namespace tavimo {

inline std::string trim(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace tavimo
