#include "net/Message.h"

namespace tavimo {

char messageCode(const std::string& datagram) { return datagram.empty() ? '\0' : datagram[0]; }

std::vector<std::string> messageFields(const std::string& datagram, std::size_t count) {
  std::vector<std::string> fields;
  if (datagram.size() < 3 || count == 0) return fields;
  std::size_t at = 2;
  while (fields.size() + 1 < count) {
    std::size_t bar = datagram.find('|', at);
    if (bar == std::string::npos) break;
    fields.push_back(datagram.substr(at, bar - at));
    at = bar + 1;
  }
  // The last field asked for takes the rest; a field without its separator is not there.
  if (fields.size() + 1 == count) fields.push_back(datagram.substr(at));
  return fields;
}

}  // namespace tavimo
