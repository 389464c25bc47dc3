#pragma once
// Where the about box puts its picture, texts and button, worked out from the sizes the
// window system measures (all twips), so that the rules hold on any font.
#include <cstdint>
#include <string>

namespace tavimo::flexolo {

struct AboutMeasured {
  int32_t pictureWidth = 0;  // imgMain at its picture's own size
  int32_t titleWidth = 0;    // lbl(0), sized to its text
  int32_t okTop = 0, okWidth = 0, okHeight = 0;
};

struct AboutPlacement {
  int32_t pictureLeft = 0;
  int32_t textLeft = 0;  // every lbl element and aLink
  int32_t formWidth = 0, formHeight = 0;
  int32_t okLeft = 0;
};

AboutPlacement layOutAbout(const AboutMeasured& measured);

// "Version: " with the major and minor numbers as they are: 1 and 20 give "Version: 1.20".
std::string versionLine(int major, int minor);

}  // namespace tavimo::flexolo
