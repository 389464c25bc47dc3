// tavimo-backup-check FILE KEY [--subkey NAME]... [NAME]...
// Tells whether FILE is a whole key backup as the client writes it: it parses, it is exactly
// the text the client would write for what it holds (nothing cut off, nothing added), its top
// key is KEY, and it holds the named subkeys and values. Prints each named value as
// NAME=TEXT (a string without its terminator, a number in decimal). Exit 0 when whole, 1 with
// the reason otherwise, 2 on a wrong call.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/AnsiCase.h"
#include "platform/Registry.h"
#include "util/RegeditText.h"

namespace {

using tavimo::RegeditKey;
using tavimo::RegeditValue;

int torn(const std::string& why) {
  std::fprintf(stderr, "not a whole backup: %s\n", why.c_str());
  return 1;
}

const RegeditValue* findValue(const RegeditKey& key, const std::string& name) {
  for (const RegeditValue& value : key.values)
    if (tavimo::equalsIgnoringCase(value.name, name)) return &value;
  return nullptr;
}

bool hasSubkey(const RegeditKey& key, const std::string& name) {
  for (const RegeditKey& subkey : key.subkeys)
    if (tavimo::equalsIgnoringCase(subkey.name, name)) return true;
  return false;
}

std::string valueText(const RegeditValue& value) {
  if (value.type == tavimo::reg::Dword && value.data.size() == 4) {
    std::uint32_t number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    return std::to_string(number);
  }
  std::string text = value.data;
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: tavimo-backup-check FILE KEY [--subkey NAME]... [NAME]...\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) return torn("cannot read " + std::string(argv[1]));
  std::ostringstream content;
  content << file.rdbuf();
  const std::string text = content.str();

  const auto key = tavimo::parseRegedit(text);
  if (!key) return torn("the text does not parse");
  if (tavimo::formatRegedit(*key) != text) return torn("the text is not all of what it parses to");
  if (!tavimo::equalsIgnoringCase(key->name, argv[2])) return torn("the top key is " + key->name);

  std::vector<const RegeditValue*> shown;
  for (int i = 3; i < argc; ++i) {
    if (std::strcmp(argv[i], "--subkey") == 0 && i + 1 < argc) {
      if (!hasSubkey(*key, argv[++i])) return torn(std::string("no subkey ") + argv[i]);
      continue;
    }
    const RegeditValue* value = findValue(*key, argv[i]);
    if (!value) return torn(std::string("no value ") + argv[i]);
    shown.push_back(value);
  }
  for (const RegeditValue* value : shown) std::printf("%s=%s\n", value->name.c_str(), valueText(*value).c_str());
  return 0;
}
