#pragma once
// frmAbout: the library's about box with its picture, name, version and the maker's link,
// shown modally until OK (or Escape, or the close box) unloads it.
#include <windows.h>

namespace tavimo::flexolo::com {

// Returns when the box has been closed and released. The owner, when there is one, is
// disabled meanwhile and the box is centred over it.
void showAboutBox(HWND owner);

}  // namespace tavimo::flexolo::com
