#include "lockdown/ScanPacing.h"

namespace tavimo {

int pauseAfterScan(std::uint64_t costMicroseconds) {
  constexpr std::uint64_t intervalMicroseconds = scanInterval * 1000;
  constexpr std::uint64_t longestCost = longestScanPause * 1000ull / (scanShareDivisor - 1);
  if (costMicroseconds > longestCost) return longestScanPause;
  if (costMicroseconds * scanShareDivisor <= intervalMicroseconds) return 0;
  return static_cast<int>((costMicroseconds * (scanShareDivisor - 1) + 999) / 1000);
}

}  // namespace tavimo
