#pragma once
// The size a label needs for its text: at least the text's extent, and wide enough for its ink
// (small screen fonts can draw a pixel or two past the advance of the last character, which
// the font's metrics do not report), and the font's line height.
#include <windows.h>

#include <string>

namespace tavimo::flexolo::com {

// Pixels, in the font that is selected into dc.
SIZE labelTextSize(HDC dc, const std::string& text);

}  // namespace tavimo::flexolo::com
