#include "core/Datagram.h"

#include <cstdio>

namespace tavimo::devserver {

char datagramCode(std::string_view text) { return text.empty() ? '\0' : text.front(); }

std::vector<std::string> datagramFields(std::string_view text, std::size_t count) {
  std::vector<std::string> fields;
  if (text.size() < 2) return fields;
  std::string_view rest = text.substr(2);
  while (true) {
    const bool last = count != 0 && fields.size() + 1 == count;
    const std::size_t bar = last ? std::string_view::npos : rest.find('|');
    if (bar == std::string_view::npos) {
      fields.emplace_back(rest);
      return fields;
    }
    fields.emplace_back(rest.substr(0, bar));
    rest.remove_prefix(bar + 1);
  }
}

std::string printable(std::string_view bytes) {
  std::string shown;
  shown.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c == '\\') {
      shown += "\\\\";
    } else if (c >= 0x20 && c < 0x7f) {
      shown += static_cast<char>(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      shown += hex;
    }
  }
  return shown;
}

std::string describeDatagram(std::string_view text) {
  if (text.empty()) return "(empty datagram)";
  std::string line = "code " + printable(text.substr(0, 1));
  const auto fields = datagramFields(text);
  if (fields.empty()) return line + " (no fields)";
  for (const auto& field : fields) line += " [" + printable(field) + "]";
  return line;
}

}  // namespace tavimo::devserver
