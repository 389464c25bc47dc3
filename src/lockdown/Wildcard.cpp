#include "lockdown/Wildcard.h"

namespace tavimo {

// One pass with a single back-track point: on a mismatch after a "*", let that "*" take one
// more character and try again. Linear in practice, never worse than text x pattern.
bool matchesWildcard(std::string_view text, std::string_view pattern) {
  std::size_t t = 0, p = 0;
  std::size_t starAt = std::string_view::npos, resumeAt = 0;
  while (t < text.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && pattern[p] == text[t]))) {
      ++t;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = t;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      t = ++resumeAt;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace tavimo
