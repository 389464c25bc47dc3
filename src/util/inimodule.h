#pragma once
// Single entries of the client's INI files (the tariff and the three security files): read
// as text with "0" for anything missing, written with a bare message box when refused.
#include <string>

namespace tavimo {

// The entry's value, at most 255 characters; "0" when it is missing or empty (the default
// is used when the entry is missing, and "0" again when the default is empty).
std::string readIni(const std::string& fileName, const std::string& section,
                    const std::string& key, const std::string& defaultValue = {});
// Writes the entry, creating file and section as needed. When the write is refused, shows a
// modal message box with an empty text and only an OK button, and nothing else happens.
void writeIni(const std::string& fileName, const std::string& section, const std::string& key,
              const std::string& value);

}  // namespace tavimo
