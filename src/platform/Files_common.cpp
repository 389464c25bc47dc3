#include "platform/Files.h"

namespace tavimo {

std::optional<std::vector<std::string>> Files::readLines(const std::string& path) {
  const auto text = readAll(path);
  if (!text) return std::nullopt;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text->size()) {
    std::size_t end = text->find('\n', start);
    const std::size_t next = end == std::string::npos ? text->size() : end + 1;
    if (end == std::string::npos) end = text->size();
    if (end > start && (*text)[end - 1] == '\r' && end < text->size()) --end;
    lines.push_back(text->substr(start, end - start));
    start = next;
  }
  return lines;
}

bool Files::writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return writeAll(path, text);
}

bool Files::replaceAtomically(const std::string& path, std::string_view data) {
  const std::string temporary = path + ".tmp";
  if (writeAll(temporary, data) && move(temporary, path)) return true;
  remove(temporary);
  return false;
}

}  // namespace tavimo
