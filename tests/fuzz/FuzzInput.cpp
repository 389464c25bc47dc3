#include "FuzzInput.h"

namespace tavimo::fuzzing {

std::vector<std::string> partsOf(const std::uint8_t* data, std::size_t size) {
  const std::string text = textOf(data, size);
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace tavimo::fuzzing
