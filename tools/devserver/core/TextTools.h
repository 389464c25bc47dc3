#pragma once
// Small text helpers shared by the configuration reader, the accounts and the console.
#include <string>
#include <string_view>
#include <vector>

namespace tavimo::devserver {

// Without blanks and tabs (and a stray carriage return) at either end.
std::string_view trimmed(std::string_view text);
// ASCII letters in lower case; other bytes as they are.
std::string lowerCase(std::string_view text);
// Split at every separator; "" gives one empty part.
std::vector<std::string_view> splitAt(std::string_view text, char separator);

}  // namespace tavimo::devserver
