#pragma once
// The client's datagrams are text: a one-character code, one separator character that is
// skipped whatever it is, then fields separated by "|".
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavimo::devserver {

// The code: the first character, or '\0' for an empty datagram.
char datagramCode(std::string_view text);

// The fields from the third character on, split at every "|". With a `count`, at most that
// many: the last one takes all that remains. A datagram of one character or none has none.
std::vector<std::string> datagramFields(std::string_view text, std::size_t count = 0);

// The bytes as one safe line for a terminal or a log: printable ASCII as it is, a backslash
// doubled, every other byte as \xNN.
std::string printable(std::string_view bytes);

// "code 1 [PC01] [rates]": the datagram with its fields split, for the log.
std::string describeDatagram(std::string_view text);

}  // namespace tavimo::devserver
