#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/AnsiCase.h"
#include "platform/FakePath.h"
#include "platform/Profile.h"

namespace tavimo {

namespace {

constexpr std::string_view blanks = " \t\r\n\v\f\x1a";

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// One line of the file as it stands, with its line break, so that a write changes only the
// line it means and keeps everything else byte for byte.
struct Line {
  std::string raw;

  std::string_view content() const {
    std::string_view text = raw;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return text;
  }
  std::optional<std::string_view> sectionName() const {
    std::string_view text = trimmed(content());
    if (text.empty() || text.front() != '[') return std::nullopt;
    text.remove_prefix(1);
    return trimmed(text.substr(0, text.find(']')));
  }
  bool isEntry(std::string_view key) const {
    if (sectionName()) return false;
    const std::string_view text = content();
    const auto equals = text.find('=');
    return equals != std::string_view::npos && equalsIgnoringCase(trimmed(text.substr(0, equals)), key);
  }
  std::string_view value() const {
    const std::string_view text = content();
    return trimmed(text.substr(text.find('=') + 1));
  }
  std::string_view entryKey() const {
    const std::string_view text = content();
    return trimmed(text.substr(0, text.find('=')));
  }
};

struct IniFile {
  std::vector<Line> lines;

  static std::optional<IniFile> load(const std::string& fileName) {
    std::ifstream in(fakePath(fileName), std::ios::binary);
    if (!in) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    IniFile file;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      end = end == std::string::npos ? text.size() : end + 1;
      file.lines.push_back(Line{text.substr(start, end - start)});
      start = end;
    }
    return file;
  }

  bool save(const std::string& fileName) const {
    std::ofstream out(fakePath(fileName), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    for (const Line& line : lines) out << line.raw;
    out.close();
    return !out.fail();
  }

  // The first line of the section's body and the end of it, or nothing.
  std::optional<std::pair<std::size_t, std::size_t>> section(std::string_view name) const {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto found = lines[i].sectionName();
      if (!found || !equalsIgnoringCase(*found, name)) continue;
      std::size_t end = i + 1;
      while (end < lines.size() && !lines[end].sectionName()) ++end;
      return std::make_pair(i + 1, end);
    }
    return std::nullopt;
  }

  std::optional<std::size_t> entry(std::string_view sectionName, std::string_view key) const {
    const auto body = section(sectionName);
    if (!body) return std::nullopt;
    for (std::size_t i = body->first; i < body->second; ++i) {
      if (lines[i].isEntry(key)) return i;
    }
    return std::nullopt;
  }

  void insertLine(std::size_t at, std::string text) {
    if (at > 0 && !lines[at - 1].raw.empty() && lines[at - 1].raw.back() != '\n') {
      lines[at - 1].raw += "\r\n";
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text) + "\r\n"});
  }
};

// One pair of matching quotes around a value is not part of it.
std::string_view unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::uint32_t FakeProfile::getString(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, char* buffer,
                                     std::uint32_t size, const std::string& fileName) {
  if (!buffer || size == 0) return 0;
  std::string_view result = defaultValue;
  result = result.substr(0, result.find_last_not_of(' ') + 1);
  const auto file = IniFile::load(fileName);
  if (file) {
    if (const auto at = file->entry(trimmed(section), trimmed(key))) {
      result = unquoted(file->lines[*at].value());
    }
  }
  const std::size_t copied = std::min<std::size_t>(result.size(), size - 1);
  // An empty result may have no data at all, which memcpy must not be given.
  if (copied > 0) std::memcpy(buffer, result.data(), copied);
  buffer[copied] = '\0';
  return static_cast<std::uint32_t>(copied);
}

bool FakeProfile::writeString(const std::string& section, const std::string& key,
                              const std::string& value, const std::string& fileName) {
  IniFile file = IniFile::load(fileName).value_or(IniFile{});
  const std::string_view sectionName = trimmed(section);
  const std::string_view keyName = trimmed(key);
  std::string_view newValue = value;
  newValue.remove_prefix(std::min(newValue.find_first_not_of(blanks), newValue.size()));

  if (const auto at = file.entry(sectionName, keyName)) {
    Line& line = file.lines[*at];
    const std::string lineBreak = line.raw.substr(line.content().size());
    line.raw = std::string(line.entryKey()) + "=" + std::string(newValue) + lineBreak;
  } else if (const auto body = file.section(sectionName)) {
    // After the section's last non-blank line, before the blank lines that part sections.
    std::size_t at = body->second;
    while (at > body->first && trimmed(file.lines[at - 1].content()).empty()) --at;
    file.insertLine(at, std::string(keyName) + "=" + std::string(newValue));
  } else {
    file.insertLine(file.lines.size(), "[" + std::string(sectionName) + "]");
    file.insertLine(file.lines.size(), std::string(keyName) + "=" + std::string(newValue));
  }
  return file.save(fileName);
}

}  // namespace tavimo
