#pragma once
// Base64 text of text, bytes and files and back (standard alphabet, "=" padding, lines of 76
// characters joined by CR LF): what keeps the local administrator password out of plain sight.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "util/Error.h"

namespace tavimo {

// Texts are 8-bit ANSI (Windows-1252) and go in and out as their bytes.
// Failures are thrown as tavimo::Error:
// - decoding a text that is empty once CR LF pairs and "=" are removed:
//   Base64::EmptyInput (9, "Base64.DecodeArr", "Subscript out of range");
// - DecodeToFile onto an existing file: Base64::FileExists (-2147220504,
//   "Base64.DecodeToFile", "File already exists.");
// - DecodeToFile when the file cannot be written: Base64::WriteFailed (75,
//   "Base64.DecodeToFile", "Path/File access error").
class Base64 {
 public:
  static constexpr std::int32_t EmptyInput = 9;
  static constexpr std::int32_t FileExists = -2147220504;  // 0x80040000 + 1000
  static constexpr std::int32_t WriteFailed = 75;

  // "" for "", else EncodeArr of the text's bytes.
  std::string Encode(const std::string& sInput) const;
  // The file's whole content encoded; "" when it cannot be read or is empty.
  std::string EncodeFromFile(const std::string& sFileName) const;
  // Groups of three bytes give four characters, the rest is padded with "="; a text longer
  // than 76 characters gets CR LF after every 76 (after the last line too when its length is
  // a multiple of 76). "" for no bytes.
  std::string EncodeArr(std::span<const std::uint8_t> bytInput) const;
  // "" for "", else the bytes of DecodeArr as text.
  std::string Decode(const std::string& sInput) const;
  // Writes the decoded bytes to a new file; never replaces an existing one (hidden and
  // system files do not count as existing). Nothing is created when decoding fails.
  void DecodeToFile(const std::string& sInput, const std::string& sFileName) const;
  // CR LF pairs and every "=" are dropped; any other character outside the alphabet counts as
  // "A" (0). Four characters give three bytes, three give two, two give one; a single
  // character left over gives one byte of 0.
  std::vector<std::uint8_t> DecodeArr(const std::string& sInput) const;
};

}  // namespace tavimo
