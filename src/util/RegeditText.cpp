#include "util/RegeditText.h"

#include <charconv>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "platform/AnsiCase.h"
#include "platform/Registry.h"

namespace tavimo {

namespace {

constexpr std::string_view header = "REGEDIT4";

std::string quoted(std::string_view text) {
  std::string result = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') result += '\\';
    result += c;
  }
  return result + "\"";
}

// A REG_SZ that reads back from "text" form: one line of text and its terminator.
bool isPlainString(const RegeditValue& value) {
  if (value.type != reg::Sz || value.data.empty() || value.data.back() != '\0') return false;
  return value.data.find_first_of(std::string_view("\0\r\n", 3)) == value.data.size() - 1;
}

std::string formatData(const RegeditValue& value) {
  char text[16];
  if (isPlainString(value)) return quoted(std::string_view(value.data).substr(0, value.data.size() - 1));
  if (value.type == reg::Dword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    std::snprintf(text, sizeof text, "dword:%08x", number);
    return text;
  }
  std::string result = "hex";
  if (value.type != reg::Binary) {
    std::snprintf(text, sizeof text, "(%x)", value.type);
    result += text;
  }
  result += ':';
  for (std::size_t i = 0; i < value.data.size(); ++i) {
    std::snprintf(text, sizeof text, i ? ",%02x" : "%02x", static_cast<unsigned char>(value.data[i]));
    result += text;
  }
  return result;
}

void formatKey(const RegeditKey& key, const std::string& fullName, std::string& out) {
  out += "[" + fullName + "]\r\n";
  for (const RegeditValue& value : key.values) {
    out += (value.name.empty() ? std::string("@") : quoted(value.name)) + "=" + formatData(value) + "\r\n";
  }
  out += "\r\n";
  for (const RegeditKey& subkey : key.subkeys) formatKey(subkey, fullName + "\\" + subkey.name, out);
}

// Reads a quoted text at the start of line, moving past it.
std::optional<std::string> takeQuoted(std::string_view& line) {
  if (line.empty() || line.front() != '"') return std::nullopt;
  std::string text;
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == '"') {
      line.remove_prefix(i + 1);
      return text;
    }
    if (line[i] == '\\') {
      if (++i == line.size() || (line[i] != '\\' && line[i] != '"')) return std::nullopt;
    }
    text += line[i];
  }
  return std::nullopt;
}

template <class Number>
bool readHex(std::string_view digits, Number& number) {
  if (digits.empty()) return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
  return error == std::errc() && end == digits.data() + digits.size();
}

std::optional<RegeditValue> parseValue(std::string_view line) {
  RegeditValue value;
  if (!line.empty() && line.front() == '@') {
    line.remove_prefix(1);
  } else if (auto name = takeQuoted(line)) {
    value.name = std::move(*name);
  } else {
    return std::nullopt;
  }
  if (line.empty() || line.front() != '=') return std::nullopt;
  line.remove_prefix(1);

  if (auto text = takeQuoted(line)) {
    if (!line.empty()) return std::nullopt;
    value.type = reg::Sz;
    value.data = std::move(*text) + '\0';
    return value;
  }
  if (line.starts_with("dword:")) {
    std::uint32_t number = 0;
    if (line.size() > 14 || !readHex(line.substr(6), number)) return std::nullopt;
    value.type = reg::Dword;
    for (int i = 0; i < 4; ++i) value.data += static_cast<char>((number >> (8 * i)) & 0xFF);
    return value;
  }
  if (!line.starts_with("hex")) return std::nullopt;
  line.remove_prefix(3);
  value.type = reg::Binary;
  if (!line.empty() && line.front() == '(') {
    const auto close = line.find(')');
    if (close == std::string_view::npos || !readHex(line.substr(1, close - 1), value.type)) {
      return std::nullopt;
    }
    line.remove_prefix(close + 1);
  }
  if (line.empty() || line.front() != ':') return std::nullopt;
  line.remove_prefix(1);
  while (!line.empty()) {
    unsigned byte = 0;
    if (line.size() < 2 || !readHex(line.substr(0, 2), byte)) return std::nullopt;
    value.data += static_cast<char>(byte);
    line.remove_prefix(2);
    if (!line.empty()) {
      if (line.front() != ',' || line.size() == 1) return std::nullopt;
      line.remove_prefix(1);
    }
  }
  return value;
}

// The registry's own limit: a key lies at most 512 levels below its hive. A deeper one cannot
// have been saved from the registry.
constexpr std::size_t deepestKey = 512;

// The keys read so far, each by its path below the top key in upper case (names are matched
// without regard to case), as its place among its parent's subkeys: found at once however
// many keys the file holds.
using KeyIndex = std::unordered_map<std::string, std::size_t>;

// The key below top that a "\"-separated relative path names, made when missing; nothing when
// a name in the path is empty or the path is deeper than a key can be: no registry holds such a
// key, and an empty name would put its values into its parent.
RegeditKey* keyAt(RegeditKey& top, std::string_view relative, KeyIndex& index) {
  RegeditKey* key = &top;
  std::string path;
  for (std::size_t start = 0, depth = 1;; ++depth) {
    const auto end = relative.find('\\', start);
    const std::string_view name = relative.substr(start, end - start);
    if (name.empty() || depth > deepestKey) return nullptr;
    (path += '\\') += upperAnsi(name);
    const auto [at, added] = index.try_emplace(path, key->subkeys.size());
    if (added) key->subkeys.push_back(RegeditKey{std::string(name), {}, {}});
    key = &key->subkeys[at->second];
    if (end == std::string_view::npos) return key;
    start = end + 1;
  }
}

}  // namespace

std::string formatRegedit(const RegeditKey& key) {
  std::string out = std::string(header) + "\r\n\r\n";
  formatKey(key, key.name, out);
  return out;
}

std::optional<RegeditKey> parseRegedit(const std::string& text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  if (lines.empty() || lines.front() != header) return std::nullopt;

  std::optional<RegeditKey> top;
  RegeditKey* current = nullptr;
  KeyIndex index;
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.empty()) continue;
    if (line.front() == '[') {
      if (!line.ends_with(']') || line.size() < 3) return std::nullopt;
      const std::string_view name = line.substr(1, line.size() - 2);
      if (!top) {
        top = RegeditKey{std::string(name), {}, {}};
        current = &*top;
        continue;
      }
      if (name.size() <= top->name.size() + 1 || name[top->name.size()] != '\\' ||
          !equalsIgnoringCase(name.substr(0, top->name.size()), top->name)) {
        return std::nullopt;
      }
      current = keyAt(*top, name.substr(top->name.size() + 1), index);
      if (!current) return std::nullopt;
      continue;
    }
    auto value = current ? parseValue(line) : std::nullopt;
    if (!value) return std::nullopt;
    current->values.push_back(std::move(*value));
  }
  return top;
}

}  // namespace tavimo
