// tavimo-devserver: the café server for development, demos and tests.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/Serve.h"
#include "core/Console.h"
#include "core/Options.h"

namespace {

// The folder of this program, where the build puts the sample configuration.
std::filesystem::path programFolder(const char* argv0) {
  std::error_code error;
  const auto self = std::filesystem::canonical("/proc/self/exe", error);
  if (!error) return self.parent_path();
  const auto given = std::filesystem::path(argv0).parent_path();
  return given.empty() ? std::filesystem::path(".") : given;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tavimo::devserver;
  try {
    const Options options = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.mode) {
      case Options::Mode::help:
        std::cout << usageText() << "\n" << consoleHelp() << std::endl;
        return 0;
      case Options::Mode::send:
        return sendOnce(options.send);
      case Options::Mode::serve:
        return serve(options.serve, programFolder(argv[0]));
    }
  } catch (const UsageError& error) {
    std::cerr << "tavimo-devserver: " << error.what() << "\n\n" << usageText();
    return 2;
  }
  return 2;
}
