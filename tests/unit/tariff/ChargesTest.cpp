#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "TariffClient.h"
#include "session/Charges.h"
#include "util/Convert.h"

namespace tavimo {
namespace {

using testing::iniText;

struct Checkpoint {
  const char* elapsed;  // as the guest timer shows it
  const char* amount;   // the amount shown beside it
};

struct ChargeCase {
  const char* name;
  std::string earlierFile;  // loaded before the session's tariff, when not empty
  std::string file;
  int hours;  // how long the session runs
  std::vector<Checkpoint> checkpoints;
};

const std::string slots15to60 = "slots=15,30,45,60";
const std::string rates10to25 = "rates=10,15,20,25";
const std::string blocksOf30 = iniText({"[1]", "type=1", slots15to60, rates10to25, "after=1", "charges=12", "min=30"});
const std::string everyHourBySlots = iniText({"[1]", "type=1", slots15to60, rates10to25, "after=0"});
const std::vector<Checkpoint> everyHourBySlotsCheckpoints = {
    {"0:59:59", "25"}, {"1:0:0", "25"}, {"1:0:1", "35"}, {"1:14:59", "35"}, {"1:15:0", "40"},
    {"1:59:59", "50"}, {"2:0:0", "50"},  {"2:0:1", "60"},
};

const ChargeCase cases[] = {
    {"SlotsThenBlocksOf30", "", blocksOf30, 3,
     {{"0:0:1", "0"}, {"0:0:2", "10"}, {"0:14:59", "10"}, {"0:15:0", "15"}, {"0:29:59", "15"}, {"0:30:0", "20"},
      {"0:44:59", "20"}, {"0:45:0", "25"}, {"0:59:59", "25"}, {"1:0:0", "25"}, {"1:0:1", "37"}, {"1:29:59", "37"},
      {"1:30:0", "49"}, {"1:59:59", "49"}, {"2:0:0", "61"}, {"2:5:0", "61"}, {"2:29:59", "61"}, {"2:30:0", "73"}}},
    {"FlatHalfPerStartedMinute", "", iniText({"[1]", "type=0", "rates=0.5"}), 2,
     {{"0:0:1", "0"}, {"0:0:2", "0.5"}, {"0:0:59", "0.5"}, {"0:1:0", "1"}, {"0:2:0", "1.5"}, {"0:59:59", "30"},
      {"1:0:0", "30.5"}, {"1:59:59", "60"}}},
    {"FlatSumsInSinglePrecision", "", iniText({"[1]", "type=0", "rates=0.1"}), 1,
     {{"0:5:0", "0.6"}, {"0:6:0", "0.70000005"}, {"0:9:0", "1.0000001"}}},
    {"MinutesAfterTheLastSlotKeepItsPrice", "", iniText({"[1]", "type=1", "slots=10,20,30,40", rates10to25, "after=0"}), 3,
     {{"0:10:0", "15"}, {"0:40:0", "25"}, {"0:41:0", "25"}, {"0:59:59", "25"}, {"1:0:0", "25"}, {"1:0:1", "35"},
      {"1:10:0", "40"}, {"1:59:59", "50"}, {"2:0:1", "60"}}},
    {"FirstSlotAtZeroPricesMinuteZeroAtRateTwo", "", iniText({"[1]", "type=1", "slots=0,20,40,60", rates10to25, "after=0"}), 2,
     {{"0:0:2", "15"}, {"0:19:59", "15"}, {"0:20:0", "20"}, {"0:40:0", "25"}, {"1:0:0", "25"}, {"1:0:1", "40"}}},
    {"BlocksOf45StartAgainAtEveryHour", "", iniText({"[1]", "type=1", slots15to60, rates10to25, "after=1", "charges=12", "min=45"}), 4,
     {{"1:0:0", "25"}, {"1:0:1", "37"}, {"1:44:59", "37"}, {"1:45:0", "49"}, {"1:59:59", "49"}, {"2:0:0", "61"},
      {"2:29:59", "61"}, {"2:30:0", "73"}, {"2:59:59", "73"}, {"3:0:0", "85"}, {"3:14:59", "85"}, {"3:15:0", "97"}}},
    {"AfterZeroPricesEveryHourBySlots", "", everyHourBySlots, 3, everyHourBySlotsCheckpoints},
    {"NoAfterIsAfterZero", "", iniText({"[1]", "type=1", slots15to60, rates10to25}), 3, everyHourBySlotsCheckpoints},
    {"OtherAfterModesPriceEveryHourBySlots", "", iniText({"[1]", "type=1", slots15to60, rates10to25, "after=2"}), 3,
     everyHourBySlotsCheckpoints},
    {"ShortListsKeepTheEarlierPrices", blocksOf30, iniText({"[1]", "type=1", "rates=30,40", "slots=5", "after=1"}), 2,
     {{"0:0:2", "30"}, {"0:4:59", "30"}, {"0:5:0", "40"}, {"0:29:59", "40"}, {"0:30:0", "20"}, {"0:45:0", "25"}, {"1:0:1", "37"}}},
    {"FlatListOnAFreshClientChargesNothing", "", iniText({"[1]", "type=0", "rates=10,15"}), 2,
     {{"0:0:2", "0"}, {"1:0:0", "0"}, {"1:59:59", "0"}}},
    {"FlatListKeepsTheEarlierRate", iniText({"[1]", "type=0", "rates=0.5"}), iniText({"[1]", "type=0", "rates=10,15"}), 1,
     {{"0:0:2", "0.5"}, {"0:1:0", "1"}}},
    {"MinZeroKeepsTheEarlierBlock", blocksOf30, iniText({"[1]", "type=1", slots15to60, rates10to25, "after=1", "charges=20", "min=0"}), 3,
     {{"1:0:1", "37"}, {"1:30:0", "49"}, {"2:0:0", "61"}}},
    {"MinNoNumberKeepsTheEarlierBlock", blocksOf30, iniText({"[1]", "type=1", slots15to60, rates10to25, "after=1", "charges=20", "min=thirty"}), 3,
     {{"1:0:1", "37"}, {"1:30:0", "49"}, {"2:0:0", "61"}}},
    {"MinZeroOnAFreshClientStaysFinite", "", iniText({"[1]", "type=1", slots15to60, rates10to25, "after=1", "charges=20", "min=0"}), 3,
     {{"1:0:1", "25"}, {"2:0:0", "25"}}},
};

// Names the case in failures instead of dumping its bytes.
void PrintTo(const ChargeCase& test, std::ostream* out) { *out << test.name; }

class Charges : public testing::TariffClient, public ::testing::WithParamInterface<ChargeCase> {};

// The guest timer's seconds as the window runs them: advance the seconds, show the time and
// the amount of the previous second, then the charge step; a completed minute is saved.
TEST_P(Charges, AmountShownSecondBySecond) {
  const ChargeCase& test = GetParam();
  if (!test.earlierFile.empty()) load(test.earlierFile);
  load(test.file);
  const SlotPrices prices = slotPrices(tariff());

  Billing billing;
  std::map<std::string, std::string> shown;
  int minutesSaved = 0;
  for (int second = 0; second < test.hours * 3600; ++second) {
    billing.seconds += 1;
    const std::string elapsed = elapsedText(billing.hours, billing.minutes, billing.seconds);
    ASSERT_TRUE(billing.seconds <= 59 && billing.minutes <= 59) << elapsed;
    ASSERT_TRUE(std::isfinite(billing.amount)) << elapsed;
    shown[elapsed] = moneyText(billing.amount);
    const ChargeResult result = chargeStep(tariff(), prices, billing);
    if (result.minuteRolledOver) {
      ++minutesSaved;
      EXPECT_EQ(billing.seconds, 59) << elapsed;
    }
    billing = result.billing;
  }
  EXPECT_EQ(minutesSaved, test.hours * 60);
  EXPECT_EQ(elapsedText(billing.hours, billing.minutes, billing.seconds), elapsedText(test.hours, 0, 0));
  for (const Checkpoint& point : test.checkpoints) {
    ASSERT_TRUE(shown.count(point.elapsed)) << point.elapsed;
    EXPECT_EQ(shown[point.elapsed], point.amount) << "at " << point.elapsed;
  }
}

INSTANTIATE_TEST_SUITE_P(Tariffs, Charges, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<ChargeCase>& info) { return std::string(info.param.name); });

using SessionPrices = testing::TariffClient;

TEST_F(SessionPrices, SlotPricesAreTakenWhenTheSessionStarts) {
  load(iniText({"[1]", "type=1", "slots=15,30,45,60", "rates=10,15,20,25", "after=0"}));
  const SlotPrices prices = slotPrices(tariff());
  load(iniText({"[1]", "type=1", "slots=5,30,45,60", "rates=90,95,99,99", "after=0"}));
  Billing billing;
  billing.minutes = 10;
  billing.seconds = 30;
  EXPECT_EQ(chargeStep(tariff(), prices, billing).billing.amount, 15) << "the new slot marks, the session's prices";
}

}  // namespace
}  // namespace tavimo
