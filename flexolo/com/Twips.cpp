#include "com/Twips.h"

#include <windows.h>

namespace tavimo::flexolo::com {
namespace {

constexpr int twipsPerInch = 1440;

int screenDpi(int axis) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, axis) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int pixelsFromTwipsX(int twips) { return MulDiv(twips, screenDpi(LOGPIXELSX), twipsPerInch); }
int pixelsFromTwipsY(int twips) { return MulDiv(twips, screenDpi(LOGPIXELSY), twipsPerInch); }
int twipsFromPixelsX(int pixels) { return MulDiv(pixels, twipsPerInch, screenDpi(LOGPIXELSX)); }
int twipsFromPixelsY(int pixels) { return MulDiv(pixels, twipsPerInch, screenDpi(LOGPIXELSY)); }

}  // namespace tavimo::flexolo::com
