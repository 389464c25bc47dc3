#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/FakePath.h"
#include "platform/Files.h"

namespace tavimo {

namespace {

bool writeFile(const std::string& path, std::string_view data, std::ios::openmode mode) {
  std::error_code error;
  if (std::filesystem::is_directory(fakePath(path), error)) return false;
  std::ofstream out(fakePath(path), std::ios::binary | mode);
  if (!out) return false;
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  return !out.fail();
}

}  // namespace

bool FakeFiles::exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(fakePath(path), error);
}

bool FakeFiles::remove(const std::string& path) {
  std::error_code error;
  const auto file = fakePath(path);
  return !std::filesystem::is_directory(file, error) && std::filesystem::remove(file, error);
}

std::optional<std::string> FakeFiles::readAll(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fakePath(path), error)) return std::nullopt;
  std::ifstream in(fakePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return content;
}

bool FakeFiles::writeAll(const std::string& path, std::string_view data) {
  return writeFile(path, data, std::ios::trunc);
}

bool FakeFiles::append(const std::string& path, std::string_view data) {
  return writeFile(path, data, std::ios::app);
}

bool FakeFiles::move(const std::string& from, const std::string& to) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fakePath(from), error)) return false;
  std::filesystem::rename(fakePath(from), fakePath(to), error);
  return !error;
}

}  // namespace tavimo
