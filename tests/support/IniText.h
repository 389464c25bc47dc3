#pragma once
// INI files as tests write them.
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavimo::testing {

// INI lines joined as a Windows text file: each line ends with CR LF.
inline std::string iniText(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (std::string_view line : lines) (text += line) += "\r\n";
  return text;
}

}  // namespace tavimo::testing
