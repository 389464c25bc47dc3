#include <random>
#include <system_error>

#include "ContractPlatform.h"

namespace tavimo::contract {

ScratchFolder::ScratchFolder() {
  std::random_device random;
  const auto base = std::filesystem::temp_directory_path();
  do {
    folder_ = base / ("tavimo-contract-" + std::to_string(random()));
  } while (!std::filesystem::create_directory(folder_));
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string ScratchFolder::path() const {
  std::string text = folder_.string();
  while (!text.empty() && (text.back() == '\\' || text.back() == '/')) text.pop_back();
  return text;
}

std::string ScratchFolder::file(const std::string& name) const { return path() + "\\" + name; }

}  // namespace tavimo::contract
