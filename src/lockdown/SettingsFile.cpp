#include "lockdown/SettingsFile.h"

#include "util/inimodule.h"

namespace tavimo {

std::string readEntry(const std::string& file, const SettingsFileEntry& entry) {
  return readIni(file, entry.section, entry.key);
}

void writeEntry(const std::string& file, const SettingsFileEntry& entry, const std::string& text) {
  writeIni(file, entry.section, entry.key, text);
}

}  // namespace tavimo
