#include <gtest/gtest.h>

#include "core/AboutLayout.h"

namespace tavimo::flexolo {
namespace {

TEST(AboutLayout, BoxIsAsWideAsItsTitleReachesPlusHalfAPictureWithOkInTheMiddle) {
  AboutPlacement p = layOutAbout({.pictureWidth = 720, .titleWidth = 2850, .okTop = 1440,
                                  .okWidth = 1215, .okHeight = 375});
  EXPECT_EQ(p.pictureLeft, 160);
  EXPECT_EQ(p.textLeft, 160 + 720 + 120);
  EXPECT_EQ(p.formWidth, 1000 + 2850 + 360);
  EXPECT_EQ(p.formHeight, 1440 + 375 + 480);
  EXPECT_EQ(p.okLeft, 4210 / 2 - 1215 / 2);
}

TEST(AboutLayout, VersionLineJoinsMajorAndMinorAsTheyAre) {
  EXPECT_EQ(versionLine(1, 20), "Version: 1.20");
  EXPECT_EQ(versionLine(1, 5), "Version: 1.5");
  EXPECT_EQ(versionLine(2, 0), "Version: 2.0");
}

}  // namespace
}  // namespace tavimo::flexolo
