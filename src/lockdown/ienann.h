#pragma once
// Lists the windows below a window, with their titles, the way the website filter scans the
// desktop for browser windows.
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace tavimo {

// A list the filter keeps for itself and never shows: one text per item. (A list box
// control would redraw its window for every item added, on every tick.)
using WindowList = std::vector<std::string>;

// Replaces the list with one item per descendant of parent, in the order the system
// enumerates them: the handle in decimal, " - ", and the title (at most 254 characters).
// The list's texts are written over in place, so a list refilled every tick keeps its memory.
void listChildWindows(WindowList& list, WindowHandle parent);
// The handle at the start of such an item: the number before the first "-"; 0 if none.
WindowHandle listedWindow(const std::string& item);
// Replaces the list with the handles of every descendant of parent, in the same order, for
// a caller that needs no titles.
void listChildHandles(std::vector<WindowHandle>& list, WindowHandle parent);

}  // namespace tavimo
