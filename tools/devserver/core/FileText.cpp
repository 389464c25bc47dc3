#include "core/FileText.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace tavimo::devserver {

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

}  // namespace tavimo::devserver
