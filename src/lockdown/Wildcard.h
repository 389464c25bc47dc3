#pragma once
// Matching a text against a simple wildcard pattern, as the website filter tests whether an
// address has the shape of a web address.
#include <string_view>

namespace tavimo {

// True when the whole text matches the pattern, in which "*" stands for any run of
// characters (none included), "?" for exactly one character, and every other character for
// itself (case-sensitive).
bool matchesWildcard(std::string_view text, std::string_view pattern);

}  // namespace tavimo
