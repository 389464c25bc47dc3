#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "LockdownComputer.h"
#include "lockdown/ScanPacing.h"
#include "lockdown/frmBlocks.h"

namespace tavimo {
namespace {

TEST(ScanPacing, PauseAfterAScanByWhatItCost) {
  struct Row {
    std::uint64_t costMicroseconds;
    int pause;  // milliseconds; 0: the timer keeps its interval
  };
  const Row rows[] = {
      {0, 0},
      {300, 0},
      {400, 0},  // 0.4 ms of every 10: exactly a twenty-fifth
      {401, 10},
      {1000, 24},
      {1001, 25},  // rounded up, never down
      {30'000, 720},
      {150'000, 3600},
      {2'500'000, 60'000},  // the longest pause that still follows the cost
      {2'500'001, 60'000},
      {3'600'000'000, 60'000},  // the computer slept for an hour in the middle of a scan
      {std::numeric_limits<std::uint64_t>::max(), 60'000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.costMicroseconds);
    EXPECT_EQ(pauseAfterScan(row.costMicroseconds), row.pause);
  }
}

// From each tick's start to the next: the interval, or the cost and the pause after it. (Up
// to the cost whose pause is the longest.)
TEST(ScanPacing, EveryCostKeepsTheIntervalAndATwentyFifthAndWaitsNoLongerThanThat) {
  for (std::uint64_t cost = 0; cost <= 2'500'000; cost += cost < 20'000 ? 7 : 997) {
    const int pause = pauseAfterScan(cost);
    const double gap = pause ? cost + pause * 1000.0 : scanInterval * 1000.0;
    ASSERT_GE(gap, scanInterval * 1000.0) << cost;
    ASSERT_LE(cost * 25.0, gap) << cost;
    ASSERT_LT(gap, std::max(cost * 25.0, scanInterval * 1000.0) + 1000) << cost;
  }
}

// The filter on the virtual clock, on a desktop whose every scan costs a chosen time.
class PacedFilter : public ::testing::Test {
 protected:
  PacedFilter() {
    writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, 3, REG_DWORD);
    writeValue(stored::blockedKey.hive, stored::blockedKey.path, "games", "http://www.games.com", REG_SZ);
    const WindowHandle frame = c.desktop.addWindow("IEFrame", "News - Microsoft Internet Explorer");
    addressBox = c.desktop.addWindow("Edit", "http://www.news.com", frame);
    for (int i = 0; i < 20; ++i) c.desktop.addWindow("Notepad", "Document - Notepad");
    c.desktop.onCall = [this](const std::string& call) {
      if (call == "EnumChildWindows " + std::to_string(FakeDesktop::desktopHandle)) {
        scanStarts.push_back(c.h.clock.now());
        c.h.clock.skip(nextCost());
      } else if (call.rfind("SendMessageA " + std::to_string(addressBox) + " WM_SETTEXT", 0) == 0) {
        redirectedAt.push_back(c.h.clock.now());
      }
    };
  }
  std::uint64_t nextCost() {
    const std::size_t scan = scanStarts.size() - 1;
    return scan < costs.size() ? costs[scan] : costs.back();
  }
  std::vector<std::uint64_t> gaps() const {
    std::vector<std::uint64_t> found;
    for (std::size_t i = 1; i < scanStarts.size(); ++i) found.push_back(scanStarts[i] - scanStarts[i - 1]);
    return found;
  }

  testing::LockdownComputer c;
  WindowHandle addressBox = 0;
  std::vector<std::uint64_t> costs{0};  // milliseconds, scan by scan; the last repeats
  std::vector<std::uint64_t> scanStarts;
  std::vector<std::uint64_t> redirectedAt;
};

TEST_F(PacedFilter, CheapScansKeepTheTenMillisecondCadence) {
  c.h.app.form<frmBlocks>();
  c.h.backend.advance(1000);
  EXPECT_EQ(scanStarts.size(), 100u);
  EXPECT_EQ(gaps(), std::vector<std::uint64_t>(99, 10));
}

TEST_F(PacedFilter, CostlyScansAreSpacedSoThatScanningTakesAtMostATwentyFifth) {
  for (const std::uint64_t cost : {1, 5, 30, 200}) {
    SCOPED_TRACE(cost);
    costs = {cost};
    scanStarts.clear();
    frmBlocks& filter = c.h.app.form<frmBlocks>();
    c.h.backend.advance(60'000);
    filter.unload();
    c.h.backend.advance(1);

    ASSERT_GE(scanStarts.size(), 2u);
    EXPECT_EQ(gaps(), std::vector<std::uint64_t>(scanStarts.size() - 1, 25 * cost));
    const double scanning = static_cast<double>(cost * (scanStarts.size() - 1));
    EXPECT_LE(scanning / (scanStarts.back() - scanStarts.front()), 0.04);
  }
}

TEST_F(PacedFilter, TheCadenceComesBackWhenScansGetCheapAgain) {
  costs = {0, 0, 40, 3, 0};
  c.h.app.form<frmBlocks>();
  c.h.backend.advance(2000);
  std::vector<std::uint64_t> found = gaps();
  ASSERT_GE(found.size(), 7u);
  found.resize(7);
  EXPECT_EQ(found, (std::vector<std::uint64_t>{10, 10, 1000, 75, 10, 10, 10}));
}

TEST_F(PacedFilter, ABlockedAddressIsRedirectedByTheFirstTickThatSeesIt) {
  costs = {50};  // a tick every 1.25 s
  c.h.app.form<frmBlocks>();
  c.h.backend.advance(1500);
  ASSERT_EQ(scanStarts, (std::vector<std::uint64_t>{10, 1260}));
  c.desktop.window(addressBox)->text = "http://www.games.com/play";

  c.h.backend.advance(1009);  // to 2509, just before the next tick
  EXPECT_TRUE(redirectedAt.empty());
  c.h.backend.advance(2);
  EXPECT_EQ(scanStarts.back(), 2510u);
  EXPECT_EQ(redirectedAt, std::vector<std::uint64_t>{2560});  // at the end of that tick's scan
  EXPECT_EQ(c.desktop.window(addressBox)->text, blockedPageAddress);
}

}  // namespace
}  // namespace tavimo
