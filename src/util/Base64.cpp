#include "util/Base64.h"

#include <array>
#include <cstring>

#include "platform/Files.h"
#include "platform/Platform.h"

namespace tavimo {

namespace {

constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t lineLength = 76;
constexpr std::size_t bytesPerLine = lineLength / 4 * 3;

// Two characters for every 12 bits, so a group of three bytes takes two look-ups.
constexpr std::array<char, 2 * 4096> makePairs() {
  std::array<char, 2 * 4096> pairs{};
  for (std::size_t i = 0; i < 4096; ++i) {
    pairs[2 * i] = alphabet[i >> 6];
    pairs[2 * i + 1] = alphabet[i & 63];
  }
  return pairs;
}
constexpr auto pairs = makePairs();

// Marks the two characters that decoding drops or looks at twice: "=" and CR.
constexpr std::uint8_t special = 0x80;

// The value of each byte of ANSI text: a character counts by the low 8 bits of its Unicode
// code, so the Windows-1252 characters whose codes end in an alphabet letter count as that
// letter; everything else outside the alphabet is 0.
constexpr std::array<std::uint8_t, 256> makeValues() {
  constexpr std::uint16_t unicodeOf80To9F[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::array<std::uint8_t, 256> byAscii{};
  for (std::uint8_t v = 0; v < 64; ++v) byAscii[static_cast<unsigned char>(alphabet[v])] = v;
  std::array<std::uint8_t, 256> values{};
  for (std::size_t b = 0; b < 256; ++b) {
    const std::size_t code = (b >= 0x80 && b < 0xA0) ? unicodeOf80To9F[b - 0x80] : b;
    values[b] = byAscii[code & 0xFF];
  }
  values['='] |= special;
  values['\r'] |= special;
  return values;
}
constexpr auto values = makeValues();

std::size_t encodedSize(std::size_t bytes) {
  const std::size_t characters = (bytes + 2) / 3 * 4;
  const std::size_t breaks = characters > lineLength ? characters / lineLength : 0;
  return characters + 2 * breaks;
}

// Encodes whole groups of three bytes; returns where the output ends.
char* encodeGroups(const std::uint8_t* in, std::size_t groups, char* out) {
  for (std::size_t g = 0; g < groups; ++g, in += 3, out += 4) {
    const std::uint32_t bits = (std::uint32_t{in[0]} << 16) | (std::uint32_t{in[1]} << 8) | in[2];
    std::memcpy(out, &pairs[2 * (bits >> 12)], 2);
    std::memcpy(out + 2, &pairs[2 * (bits & 0xFFF)], 2);
  }
  return out;
}

// The decoder's running state: values gathered towards the next group of four.
struct Decoder {
  std::uint8_t* out;
  std::uint32_t gathered = 0;
  int count = 0;

  void take(std::uint8_t value) {
    gathered = (gathered << 6) | value;
    if (++count == 4) {
      out[0] = static_cast<std::uint8_t>(gathered >> 16);
      out[1] = static_cast<std::uint8_t>(gathered >> 8);
      out[2] = static_cast<std::uint8_t>(gathered);
      out += 3;
      gathered = 0;
      count = 0;
    }
  }
  // The values left after the last whole group.
  void finish() {
    if (count == 1) {
      *out++ = 0;
    } else if (count == 2) {
      *out++ = static_cast<std::uint8_t>(gathered >> 4);
    } else if (count == 3) {
      *out++ = static_cast<std::uint8_t>(gathered >> 10);
      *out++ = static_cast<std::uint8_t>(gathered >> 2);
    }
  }
};

// Decodes into out, which has room for the worst case; returns the number of bytes.
std::size_t decodeInto(const std::string& text, std::uint8_t* out) {
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  Decoder decoder{out};
  std::size_t taken = 0;
  std::size_t i = 0;
  while (i < size) {
    if (decoder.count == 0 && i + 4 <= size) {
      const std::uint8_t v0 = values[in[i]], v1 = values[in[i + 1]], v2 = values[in[i + 2]],
                         v3 = values[in[i + 3]];
      if (((v0 | v1 | v2 | v3) & special) == 0) {
        const std::uint32_t bits = (std::uint32_t{v0} << 18) | (std::uint32_t{v1} << 12) |
                                   (std::uint32_t{v2} << 6) | v3;
        decoder.out[0] = static_cast<std::uint8_t>(bits >> 16);
        decoder.out[1] = static_cast<std::uint8_t>(bits >> 8);
        decoder.out[2] = static_cast<std::uint8_t>(bits);
        decoder.out += 3;
        taken += 4;
        i += 4;
        continue;
      }
    }
    const unsigned char c = in[i];
    if (c == '\r' && i + 1 < size && in[i + 1] == '\n') {
      i += 2;
    } else if (c == '=') {
      ++i;
    } else {
      decoder.take(values[c] & ~special);
      ++taken;
      ++i;
    }
  }
  if (taken == 0) throw Error(Base64::EmptyInput, "Base64.DecodeArr", "Subscript out of range");
  decoder.finish();
  return static_cast<std::size_t>(decoder.out - out);
}

std::size_t decodedBound(std::size_t characters) { return characters / 4 * 3 + 3; }

}  // namespace

std::string Base64::Encode(const std::string& sInput) const {
  if (sInput.empty()) return {};
  return EncodeArr({reinterpret_cast<const std::uint8_t*>(sInput.data()), sInput.size()});
}

std::string Base64::EncodeFromFile(const std::string& sFileName) const {
  const auto content = platform().files->readAll(sFileName);
  if (!content) return {};
  return Encode(*content);
}

std::string Base64::EncodeArr(std::span<const std::uint8_t> bytInput) const {
  const std::size_t size = bytInput.size();
  if (size == 0) return {};
  std::string result(encodedSize(size), '\0');
  char* out = result.data();
  const std::uint8_t* in = bytInput.data();
  const bool broken = (size + 2) / 3 * 4 > lineLength;
  std::size_t left = size;
  // Whole lines straight into place, each followed by its line break.
  while (left >= bytesPerLine && (broken || left > bytesPerLine)) {
    out = encodeGroups(in, bytesPerLine / 3, out);
    in += bytesPerLine;
    left -= bytesPerLine;
    if (broken) {
      *out++ = '\r';
      *out++ = '\n';
    }
  }
  out = encodeGroups(in, left / 3, out);
  in += left / 3 * 3;
  if (left % 3 == 1) {
    out[0] = alphabet[in[0] >> 2];
    out[1] = alphabet[(in[0] & 3) << 4];
    out[2] = out[3] = '=';
    out += 4;
  } else if (left % 3 == 2) {
    out[0] = alphabet[in[0] >> 2];
    out[1] = alphabet[((in[0] & 3) << 4) | (in[1] >> 4)];
    out[2] = alphabet[(in[1] & 15) << 2];
    out[3] = '=';
    out += 4;
  }
  // A padded last line of exactly 76 characters is followed by its line break too.
  if (out != result.data() + result.size()) {
    out[0] = '\r';
    out[1] = '\n';
  }
  return result;
}

std::string Base64::Decode(const std::string& sInput) const {
  if (sInput.empty()) return {};
  std::string result(decodedBound(sInput.size()), '\0');
  result.resize(decodeInto(sInput, reinterpret_cast<std::uint8_t*>(result.data())));
  return result;
}

void Base64::DecodeToFile(const std::string& sInput, const std::string& sFileName) const {
  Files& files = *platform().files;
  if (files.exists(sFileName)) {
    throw Error(FileExists, "Base64.DecodeToFile", "File already exists.");
  }
  const std::vector<std::uint8_t> bytes = DecodeArr(sInput);
  if (!files.writeAll(sFileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()})) {
    throw Error(WriteFailed, "Base64.DecodeToFile", "Path/File access error");
  }
}

std::vector<std::uint8_t> Base64::DecodeArr(const std::string& sInput) const {
  std::vector<std::uint8_t> result(decodedBound(sInput.size()));
  result.resize(decodeInto(sInput, result.data()));
  return result;
}

}  // namespace tavimo
