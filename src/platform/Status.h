#pragma once
// The Win32 status values the seams return, named once so that fakes, callers and tests
// compare the same numbers the real calls give.
#include <cstdint>

namespace tavimo {

// A Win32 LONG status (ERROR_* value); 0 is success.
using Status = std::int32_t;

namespace status {
constexpr Status Success = 0;
constexpr Status FileNotFound = 2;
constexpr Status AccessDenied = 5;
constexpr Status InvalidHandle = 6;
constexpr Status InvalidParameter = 87;
constexpr Status BadPathname = 161;
constexpr Status MoreData = 234;
constexpr Status NoMoreItems = 259;
constexpr Status KeyDeleted = 1018;
}  // namespace status

}  // namespace tavimo
