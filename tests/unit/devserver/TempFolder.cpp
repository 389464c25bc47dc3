#include "TempFolder.h"

#include <fstream>
#include <random>

TempFolder::TempFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("tavimo-devserver-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::write(const std::string& name, const std::string& bytes) const {
  const auto file = path_ / name;
  std::ofstream(file, std::ios::binary) << bytes;
  return file;
}
