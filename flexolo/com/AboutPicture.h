#pragma once
// The about box's picture (a small form and its enlarged outline), drawn rather than loaded.
#include <windows.h>

namespace tavimo::flexolo::com {

// A new bitmap of the picture's own size; the caller deletes it.
HBITMAP drawAboutPicture();

}  // namespace tavimo::flexolo::com
