#include "app/Log.h"

#include <iostream>
#include <stdexcept>

#include "core/ClockText.h"
#include "core/LogText.h"

namespace tavimo::devserver {
namespace {

std::string stamped(std::string_view line) { return stampedLine(logTimeText(localNow()), line); }

}  // namespace

Log::Log(bool quiet, const std::optional<std::filesystem::path>& file) : quiet_(quiet) {
  if (!file) return;
  file_.open(*file, std::ios::app | std::ios::binary);
  if (!file_) throw std::runtime_error("cannot open the log file " + file->string());
}

// Lines are flushed one by one: a test or a second terminal may be waiting for them.
void Log::traffic(std::string_view line) {
  const std::string text = stamped(line);
  if (!quiet_) std::cout << text << std::endl;
  toFile(text);
}

void Log::console(std::string_view line) {
  const std::string text = stamped(line);
  std::cout << text << std::endl;
  toFile(text);
}

void Log::error(std::string_view line) {
  const std::string text = stamped(line);
  std::cerr << text << std::endl;
  toFile(text);
}

void Log::toFile(const std::string& stamped) {
  if (file_.is_open()) file_ << stamped << std::endl;
}

}  // namespace tavimo::devserver
