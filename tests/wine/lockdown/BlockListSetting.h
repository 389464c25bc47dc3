#pragma once
// Puts the filter into block-list mode with one pattern in the real registry, and takes it
// out again, through the client's registry layer (whose names clash with <windows.h>).
#include <string>

namespace tavimo::testing {

void storeBlockList(const std::string& pattern);
void removeBlockList(const std::string& pattern);

}  // namespace tavimo::testing
