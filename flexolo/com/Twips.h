#pragma once
// Forms measure in twips (1440 to the inch); windows in pixels of the screen's resolution.
namespace tavimo::flexolo::com {

int pixelsFromTwipsX(int twips);
int pixelsFromTwipsY(int twips);
int twipsFromPixelsX(int pixels);
int twipsFromPixelsY(int pixels);

}  // namespace tavimo::flexolo::com
