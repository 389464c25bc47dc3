#include <gtest/gtest.h>

#include "session/SessionClock.h"
#include "support/HeadlessApp.h"

namespace tavimo {
namespace {

class SessionClockTest : public ::testing::Test {
 protected:
  void pass(std::uint64_t milliseconds) { h.clock.skip(milliseconds); }
  testing::HeadlessApp h;
  SessionClock clock;
};

TEST_F(SessionClockTest, CountsWholeSecondsAndKeepsTheRest) {
  clock.start();
  pass(950);
  EXPECT_EQ(clock.dueSeconds(), 0);
  pass(950);
  EXPECT_EQ(clock.dueSeconds(), 1);
  pass(950);
  EXPECT_EQ(clock.dueSeconds(), 1) << "2850 ms: the second second";
  pass(4150);
  EXPECT_EQ(clock.dueSeconds(), 5) << "a late tick counts all that passed";
  EXPECT_EQ(clock.dueSeconds(), 0);
}

TEST_F(SessionClockTest, PausedTimeIsNeverCaughtUp) {
  clock.start();
  pass(1700);
  clock.pause();
  EXPECT_EQ(clock.dueSeconds(), 0) << "nothing counts while paused";
  pass(60000);
  clock.resume();
  pass(200);
  EXPECT_EQ(clock.dueSeconds(), 1) << "the 700 ms before the pause and 300 after it make a second";
  pass(99);
  EXPECT_EQ(clock.dueSeconds(), 0);
  pass(1);
  EXPECT_EQ(clock.dueSeconds(), 1);
}

TEST_F(SessionClockTest, PausingTwiceOrResumingARunningClockChangesNothing) {
  clock.start();
  pass(400);
  clock.resume();
  clock.pause();
  pass(1000);
  clock.pause();
  clock.resume();
  pass(600);
  EXPECT_EQ(clock.dueSeconds(), 1);
  EXPECT_FALSE(clock.paused());
}

}  // namespace
}  // namespace tavimo
