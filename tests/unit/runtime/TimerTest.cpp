#include <gtest/gtest.h>

#include "runtime/Timer.h"
#include "support/HeadlessApp.h"

namespace tavimo::rt {
namespace {

struct frmTimers : Form {
  Timer Timer1{*this, "Timer1"};
  Timer Timer2{*this, "Timer2"};
  std::vector<std::string> ticks;
  frmTimers() : Form("frmTimers") {
    Timer1.setInterval(500);
    Timer2.setInterval(1200);
    Timer1.onTimer = [this] { ticks.push_back("1@" + std::to_string(app().backend().tickCount())); };
    Timer2.onTimer = [this] { ticks.push_back("2@" + std::to_string(app().backend().tickCount())); };
  }
};

class Timers : public ::testing::Test {
 protected:
  testing::HeadlessApp h;
};

TEST_F(Timers, TicksInTimeOrderWhileEnabled) {
  auto& f = h.app.form<frmTimers>();
  h.backend.advance(2500);
  EXPECT_EQ(f.ticks, (std::vector<std::string>{"1@500", "1@1000", "2@1200", "1@1500", "1@2000", "2@2400", "1@2500"}));
}

TEST_F(Timers, SettingEnabledOrIntervalRestartsTheCount) {
  auto& f = h.app.form<frmTimers>();
  f.Timer2.setEnabled(false);
  h.backend.advance(400);
  f.Timer1.setEnabled(true);  // already enabled: the count starts again at 400
  h.backend.advance(800);
  f.Timer1.setInterval(300);  // at 1200
  h.backend.advance(300);
  EXPECT_EQ(f.ticks, (std::vector<std::string>{"1@900", "1@1500"}));
}

TEST_F(Timers, DisabledOrZeroIntervalNeverTicks) {
  auto& f = h.app.form<frmTimers>();
  f.Timer1.setEnabled(false);
  f.Timer2.setInterval(0);
  h.backend.advance(5000);
  EXPECT_TRUE(f.ticks.empty());
}

TEST_F(Timers, AHandlerThatDisablesItsTimerGetsNoFurtherTick) {
  auto& f = h.app.form<frmTimers>();
  f.Timer2.setEnabled(false);
  f.Timer1.onTimer = [&f] {
    f.ticks.push_back("tick");
    f.Timer1.setEnabled(false);
  };
  h.backend.advance(3000);
  EXPECT_EQ(f.ticks.size(), 1u);
}

TEST_F(Timers, UnloadingTheFormStopsItsTimers) {
  int ticks = 0;
  auto& f = h.app.form<frmTimers>();
  f.Timer1.onTimer = [&ticks] { ++ticks; };
  h.backend.advance(1000);
  f.unload();
  h.backend.advance(5000);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(h.clock.pending());
}

}  // namespace
}  // namespace tavimo::rt
