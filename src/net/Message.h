#pragma once
// The server's datagrams: a one-character code, a separator that is skipped, then fields
// separated by "|", the last field taking all that remains.
#include <cstddef>
#include <string>
#include <vector>

namespace tavimo {

// The code: the first character, or '\0' for an empty datagram.
char messageCode(const std::string& datagram);
// Up to `count` fields from the third character on; a reply with fewer fields gives fewer,
// so that the missing ones keep their previous values.
std::vector<std::string> messageFields(const std::string& datagram, std::size_t count);

}  // namespace tavimo
