#pragma once
// Entries of the security settings files the server sends (each in the system folder), read
// and written through the INI layer, which matches names without regard to case and blanks.
#include <string>

namespace tavimo {

struct SettingsFileEntry {
  const char* section;
  const char* key;
};

// The entry's text; "0" when it is missing or empty.
std::string readEntry(const std::string& file, const SettingsFileEntry& entry);
void writeEntry(const std::string& file, const SettingsFileEntry& entry, const std::string& text);

}  // namespace tavimo
