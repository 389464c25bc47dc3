// The session backup file ("ScTest.reg" in the system folder) as the login screen finds it
// when it loads: it restores the session key from it and reads the session record. A file
// that parses must also come out of a save of what it restored as the same key.
#include <cstdlib>

#include "FuzzClient.h"
#include "FuzzInput.h"
#include "util/RegeditText.h"
#include "util/RegistryBackup.h"

using namespace tavimo;

namespace {
bool sameKey(const RegeditKey& a, const RegeditKey& b) {
  if (a.name != b.name || a.values.size() != b.values.size() || a.subkeys.size() != b.subkeys.size()) return false;
  for (std::size_t i = 0; i < a.values.size(); ++i)
    if (a.values[i].name != b.values[i].name || a.values[i].type != b.values[i].type || a.values[i].data != b.values[i].data)
      return false;
  for (std::size_t i = 0; i < a.subkeys.size(); ++i)
    if (!sameKey(a.subkeys[i], b.subkeys[i])) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzing::FuzzClient f;
  const std::string text = fuzzing::textOf(data, size);
  f.pc.files.writeAll(client().backupFile, text);
  f.startLogin();

  // What the format writes, it reads back unchanged.
  if (const auto parsed = parseRegedit(text)) {
    const auto again = parseRegedit(formatRegedit(*parsed));
    if (!again || !sameKey(*parsed, *again)) std::abort();
  }
  return 0;
}
