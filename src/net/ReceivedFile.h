#pragma once
// A file the server sends in pieces: a start makes it afresh (an old one is deleted first),
// each piece is appended byte for byte, the end closes it. A piece outside a transfer, or
// after a piece that could not be written, is dropped: a file with a gap would read as
// different settings. A file stops at the last whole piece within `maxBytes`: the café's
// tariff and settings files are a few kilobytes, so that keeps every real one whole, and a
// server that never ends a transfer cannot fill the disk.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

class ReceivedFile {
 public:
  static constexpr std::size_t maxBytes = 1 << 20;

  void start(const std::string& path);
  void append(std::string_view piece);
  void close() { path_.reset(); }
  bool isOpen() const { return path_.has_value(); }

 private:
  std::optional<std::string> path_;
  std::size_t written_ = 0;
};

}  // namespace tavimo
