#pragma once
// The command line: "tavimo-devserver [options]" runs the server; "tavimo-devserver send
// --to HOST TEXT" sends one remote command and ends.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavimo::devserver {

struct ServeOptions {
  std::optional<std::filesystem::path> config;  // default: devserver.ini beside the program
  std::optional<std::string> address;           // overrides the configuration's
  bool quiet = false;                           // no datagram lines on the terminal
  std::optional<std::filesystem::path> logFile; // every log line appended here too
  std::optional<std::string> date;              // fixed "mm/dd/yyyy"
  std::optional<std::string> time;              // fixed "h:mm:ss AM"
};

struct SendOptions {
  std::string to;
  std::optional<std::string> address;  // the local address to send from
  std::string text;
};

struct Options {
  enum class Mode { serve, send, help } mode = Mode::serve;
  ServeOptions serve;
  SendOptions send;
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The arguments after the program name. Throws UsageError naming what is wrong.
Options parseOptions(const std::vector<std::string>& arguments);
std::string usageText();

}  // namespace tavimo::devserver
