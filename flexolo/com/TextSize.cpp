#include "com/TextSize.h"

#include <algorithm>

namespace tavimo::flexolo::com {
namespace {

// The column after the rightmost inked pixel of the text drawn at the left edge, or 0.
LONG inkRight(HDC dc, const std::string& text, SIZE extent, LONG spare) {
  HDC scratch = CreateCompatibleDC(dc);
  const LONG width = extent.cx + spare, height = extent.cy;
  HBITMAP canvas = CreateBitmap(width, height, 1, 1, nullptr);  // black and white
  if (!scratch || !canvas) {
    if (canvas) DeleteObject(canvas);
    if (scratch) DeleteDC(scratch);
    return 0;
  }
  HGDIOBJ oldBitmap = SelectObject(scratch, canvas);
  HGDIOBJ oldFont = SelectObject(scratch, GetCurrentObject(dc, OBJ_FONT));
  RECT all{0, 0, width, height};
  FillRect(scratch, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(scratch, RGB(0, 0, 0));
  SetBkMode(scratch, TRANSPARENT);
  TextOutA(scratch, 0, 0, text.c_str(), static_cast<int>(text.size()));
  LONG right = 0;
  for (LONG x = width - 1; x >= 0 && right == 0; --x)
    for (LONG y = 0; y < height; ++y)
      if (GetPixel(scratch, x, y) == RGB(0, 0, 0)) {
        right = x + 1;
        break;
      }
  SelectObject(scratch, oldFont);
  SelectObject(scratch, oldBitmap);
  DeleteObject(canvas);
  DeleteDC(scratch);
  return right;
}

}  // namespace

SIZE labelTextSize(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  size.cy = metrics.tmHeight;
  if (!text.empty()) size.cx = std::max(size.cx, inkRight(dc, text, size, metrics.tmMaxCharWidth));
  return size;
}

}  // namespace tavimo::flexolo::com
