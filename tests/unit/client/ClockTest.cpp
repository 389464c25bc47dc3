#include <gtest/gtest.h>

#include "session/frmClock.h"
#include "support/HeadlessClient.h"

namespace tavimo {
namespace {

TEST(Clock, StartsFromTheServersTimeAndRollsOver) {
  struct Row {
    const char* serverTime;
    int seconds;
    const char* shown;
  };
  const Row rows[] = {
      {"9:05:07 PM", 0, "9:5:7 PM"},
      {"11:59:58 AM", 1, "11:59:59 AM"},
      {"11:59:58 AM", 2, "12:0:0 PM"},
      {"12:59:59 PM", 1, "1:0:0 PM"},
      {"11:59:59 PM", 1, "12:0:0 AM"},
      {"12:00:30 AM", 40, "12:1:10 AM"},  // the marker turns only at the full hour
      {"10:31", 0, "10:0:0 "},            // another layout: what cannot be read stays 0 or empty
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.serverTime);
    testing::HeadlessClient c;
    client().serverTime = row.serverTime;
    auto& clock = c.h.app.form<frmClock>();
    c.h.backend.advance(row.seconds * 1000);
    EXPECT_EQ(clock.Label1.caption(), row.shown);
    EXPECT_EQ(c.desktop.calls.front(), "SetThreadPriority highest; SetPriorityClass high");
  }
}

}  // namespace
}  // namespace tavimo
