#pragma once
// Where the server's lines go: traffic to the terminal (unless quiet), console answers to the
// terminal always, errors to stderr, and every line to the log file when one is given.
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace tavimo::devserver {

class Log {
 public:
  // Throws std::runtime_error when the log file cannot be opened for appending.
  Log(bool quiet, const std::optional<std::filesystem::path>& file);

  void traffic(std::string_view line);
  void console(std::string_view line);
  void error(std::string_view line);

 private:
  void toFile(const std::string& stamped);
  bool quiet_;
  std::ofstream file_;
};

}  // namespace tavimo::devserver
