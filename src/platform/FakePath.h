#pragma once
// The fakes work on real files with the client's Windows paths: a "\" separates folders on
// every system, so "C:\x" style paths built by the client also name files in tests on Linux.
#include <algorithm>
#include <filesystem>
#include <string>

namespace tavimo {

inline std::filesystem::path fakePath(std::string path) {
#ifndef _WIN32
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return std::filesystem::path(path);
}

}  // namespace tavimo
