#include "runtime/PictureFile.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace tavimo::rt {

namespace {
using Bytes = std::vector<unsigned char>;

unsigned le16(const Bytes& b, size_t at) { return b[at] | (b[at + 1] << 8); }
unsigned be16(const Bytes& b, size_t at) { return (b[at] << 8) | b[at + 1]; }
std::int32_t le32(const Bytes& b, size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
std::uint32_t be32(const Bytes& b, size_t at) {
  return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

std::optional<std::pair<int, int>> jpegPixels(const Bytes& b) {
  size_t at = 2;
  while (at + 9 < b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    unsigned marker = b[at + 1];
    if (marker == 0xFF) {
      ++at;
      continue;
    }
    unsigned length = be16(b, at + 2);
    bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (startOfFrame) return std::make_pair(static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5)));
    at += 2 + length;
  }
  return std::nullopt;
}
}  // namespace

std::optional<std::pair<int, int>> pictureFilePixels(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M') {
    std::int32_t height = le32(b, 22);
    return std::make_pair(static_cast<int>(le32(b, 18)), static_cast<int>(height < 0 ? -height : height));
  }
  if (b.size() >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F')
    return std::make_pair(static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8)));
  if (b.size() >= 24 && b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G')
    return std::make_pair(static_cast<int>(be32(b, 16)), static_cast<int>(be32(b, 20)));
  if (b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8) return jpegPixels(b);
  return std::nullopt;
}

}  // namespace tavimo::rt
