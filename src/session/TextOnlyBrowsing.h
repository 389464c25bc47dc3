#pragma once
// Text-only browsing: the browser leaves out pictures, animations, sounds and videos in the
// windows opened after the switch, for a customer on a slow line or who wants no graphics.
namespace tavimo {

// On writes "no" into the four display settings, off writes "yes"; every session ends off.
void setTextOnlyBrowsing(bool on);

}  // namespace tavimo
