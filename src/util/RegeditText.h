#pragma once
// A registry key with its values and subkeys as the text of a REGEDIT4 export, written and
// read back exactly, so a key can be kept in a file and restored from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavimo {

struct RegeditValue {
  std::string name;  // "" is the key's default value
  std::uint32_t type = 0;
  std::string data;  // as the registry stores it; a REG_SZ with its terminator
};

struct RegeditKey {
  std::string name;  // the full name ("HKEY_LOCAL_MACHINE\...") for the top key
  std::vector<RegeditValue> values;
  std::vector<RegeditKey> subkeys;
};

// "REGEDIT4", a blank line, then each key from the top down: "[full name]", its values,
// a blank line. A REG_SZ holding one terminated line of text is written "name"="text" (with
// \ and " escaped), a 4-byte REG_DWORD "name"=dword:0000000a, every other value as
// hex(type): bytes, so that everything reads back as it was. Lines end with CR LF.
std::string formatRegedit(const RegeditKey& key);
// The key of such a text, its top key named as in the file; nothing when the text is not
// one (a wrong first line, a key outside the top key, with an empty name or deeper than the
// registry allows, a line that does not parse).
std::optional<RegeditKey> parseRegedit(const std::string& text);

}  // namespace tavimo
