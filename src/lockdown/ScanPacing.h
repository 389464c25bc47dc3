#pragma once
// How often the website filter may scan. Each tick reads every window on the desktop, which
// costs more the more windows are open (under Wine some milliseconds for a few dozen, tens
// for hundreds), so a fixed 10 ms timer would take a whole processor from the games a café
// runs. The next tick therefore waits for the timer's interval and, after a costly scan,
// for 24 times what it took: scanning keeps to a twenty-fifth of the time, and the filter
// under a twentieth of one processor.
#include <cstdint>

namespace tavimo {

// The filter timer's interval, in milliseconds.
inline constexpr int scanInterval = 10;
// A scan takes at most one part in this many of the time from its start to the next tick's:
// 4%, which leaves a fifth of the 5% allowed for the work the scan causes at the same time in
// other processes (the wineserver under Wine, a browser answering) and for the timer itself.
inline constexpr int scanShareDivisor = 25;
// The longest pause, in milliseconds: a scan that seemed to take minutes (the computer slept
// in its middle) must not leave the browser unwatched for hours.
inline constexpr int longestScanPause = 60'000;

// The milliseconds to wait from the end of a scan that took `costMicroseconds` to the next
// tick, rounded up; 0 when the timer's interval, counted from the scan's start, already
// leaves that much, so the timer keeps its own cadence.
int pauseAfterScan(std::uint64_t costMicroseconds);

}  // namespace tavimo
