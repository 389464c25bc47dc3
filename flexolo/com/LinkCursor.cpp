#include "com/LinkCursor.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "com/Module.h"

namespace tavimo::flexolo::com {
namespace {

// '.' shows the screen through, 'X' is black, 'o' white. The tip of the finger is the hot spot.
constexpr std::string_view hand[] = {
    ".....XX.........",
    "....XooX........",
    "....XooX........",
    "....XooX........",
    "....XooX........",
    "....XooXXX......",
    "....XooXooXXX...",
    "....XooXooXooXX.",
    ".XX.XooXooXooXoX",
    "XooXXooooooooXoX",
    "XoooXooooooooooX",
    ".XooXooooooooooX",
    "..XoXooooooooooX",
    "..XoooooooooooX.",
    "...XooooooooooX.",
    "...XoooooooooX..",
    "....XooooooooX..",
    "....XoooooooX...",
    ".....XooooooX...",
    ".....XXXXXXXX...",
};
constexpr int hotSpotX = 5, hotSpotY = 0;
constexpr int side = 32;  // the standard pointer size
constexpr int rowBytes = side / 8;

HCURSOR cursor = nullptr;

HCURSOR drawCursor() {
  std::array<uint8_t, side * rowBytes> andMask;  // 1: screen shows through
  std::array<uint8_t, side * rowBytes> xorMask{};
  andMask.fill(0xFF);
  for (int y = 0; y < static_cast<int>(std::size(hand)); ++y) {
    for (int x = 0; x < static_cast<int>(hand[y].size()) && x < side; ++x) {
      char pixel = hand[y][x];
      if (pixel != 'X' && pixel != 'o') continue;
      const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
      andMask[y * rowBytes + x / 8] &= static_cast<uint8_t>(~bit);
      if (pixel == 'o') xorMask[y * rowBytes + x / 8] |= bit;
    }
  }
  return CreateCursor(moduleInstance(), hotSpotX, hotSpotY, side, side, andMask.data(),
                      xorMask.data());
}

}  // namespace

HCURSOR linkCursor() {
  if (!cursor) {
    cursor = drawCursor();
    if (!cursor) return LoadCursor(nullptr, IDC_ARROW);
    atUnload([] {
      DestroyCursor(cursor);
      cursor = nullptr;
    });
  }
  return cursor;
}

}  // namespace tavimo::flexolo::com
