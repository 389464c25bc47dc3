#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the
// end of the test.
#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes the bytes to a file in the folder and gives its path.
  std::filesystem::path write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};
