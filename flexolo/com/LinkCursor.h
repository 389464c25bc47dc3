#pragma once
// The pointing-hand pointer that the hyperlink label shows, drawn here rather than loaded.
#include <windows.h>

namespace tavimo::flexolo::com {

// Made on first use and kept until the library is unloaded.
HCURSOR linkCursor();

}  // namespace tavimo::flexolo::com
