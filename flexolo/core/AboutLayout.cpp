#include "core/AboutLayout.h"

namespace tavimo::flexolo {
namespace {
constexpr int32_t pictureLeft = 160;
constexpr int32_t pictureToText = 120;
constexpr int32_t belowButton = 480;
}  // namespace

AboutPlacement layOutAbout(const AboutMeasured& measured) {
  AboutPlacement placement;
  placement.pictureLeft = pictureLeft;
  placement.textLeft = pictureLeft + measured.pictureWidth + pictureToText;
  placement.formWidth = placement.textLeft + measured.titleWidth + measured.pictureWidth / 2;
  placement.formHeight = measured.okTop + measured.okHeight + belowButton;
  placement.okLeft = placement.formWidth / 2 - measured.okWidth / 2;
  return placement;
}

std::string versionLine(int major, int minor) {
  return "Version: " + std::to_string(major) + "." + std::to_string(minor);
}

}  // namespace tavimo::flexolo
