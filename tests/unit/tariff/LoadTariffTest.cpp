#include <gtest/gtest.h>

#include <optional>

#include "TariffClient.h"
#include "util/mdlRegistry.h"

namespace tavimo {
namespace {

using testing::iniText;
using LoadTariff = testing::TariffClient;
using Rates = std::array<double, 4>;
using Slots = std::array<std::uint8_t, 4>;

// A slot tariff with blocks of 30 minutes at 12, as the café's first section.
const std::string slotTariff = iniText({"[1]", "type=1", "slots=15,30,45,60", "rates=10,15,20,25", "after=1", "charges=12", "min=30"});

TEST_F(LoadTariff, RateTypeNamesTheSection) {
  const std::string file = iniText({"[1]", "rates=1", "[ ]", "rates=2", "[Slot II]", "rates=3"});
  struct Row {
    std::optional<std::string> stored;  // the REG_SZ data as stored; nothing: no RateType value
    double flatRate;
  };
  const Row rows[] = {
      {"1", 1}, {std::string(1, '\0'), 2}, {"", 1}, {std::nullopt, 1}, {"Slot II", 3}, {"slot ii", 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored ? "\"" + *row.stored + "\" of " + std::to_string(row.stored->size()) : "none");
    resetTariff();
    stored::remove(stored::RateType);
    if (row.stored) {
      RegKey key = 0;
      c.registry.openKey(HKEY_LOCAL_MACHINE, stored::timersKey.path, reg::FullAccess, &key);
      c.registry.setValue(key, "RateType", reg::Sz, row.stored->data(), static_cast<std::uint32_t>(row.stored->size()));
      c.registry.closeKey(key);
    }
    load(file);
    EXPECT_EQ(tariff().flatRate, row.flatRate);
  }
}

TEST_F(LoadTariff, SlotTariffTakesItsListsAndBlock) {
  load(slotTariff);
  const Tariff& t = tariff();
  EXPECT_TRUE(t.tariffLoaded);
  EXPECT_EQ(t.type, "1");
  EXPECT_EQ(t.afterMode, "1");
  EXPECT_EQ(t.rate, (Rates{10, 15, 20, 25}));
  EXPECT_EQ(t.slot, (Slots{15, 30, 45, 60}));
  EXPECT_EQ(t.blockCharge, 12);
  EXPECT_EQ(t.blockLength, 30);
  EXPECT_EQ(t.flatRate, 0) << "a slot tariff leaves the flat rate alone";
}

TEST_F(LoadTariff, MissingTypeIsFlatAndMissingAfterIsZero) {
  load(iniText({"[1]", "rates=0.75"}));
  EXPECT_EQ(tariff().type, "0");
  EXPECT_EQ(tariff().flatRate, 0.75);
  EXPECT_EQ(tariff().blockLength, 1);
  load(iniText({"[1]", "type=1", "slots=10,20,30,40", "rates=1,2,3,4"}));
  EXPECT_EQ(tariff().afterMode, "0");
  EXPECT_EQ(tariff().blockLength, 1) << "a slot tariff without blocks keeps the block length";
}

TEST_F(LoadTariff, OnlyTypeOneIsASlotTariff) {
  load(slotTariff);
  load(iniText({"[1]", "type=1.0", "rates=2.5", "slots=1,2,3,4"}));
  EXPECT_FALSE(tariff().isSlotTariff());
  EXPECT_EQ(tariff().flatRate, 2.5);
  EXPECT_EQ(tariff().slot, (Slots{15, 30, 45, 60}));
}

TEST_F(LoadTariff, ALoadKeepsTheFieldsOfTheOtherKind) {
  load(slotTariff);
  load(iniText({"[1]", "type=0", "rates=0.5"}));
  const Tariff& t = tariff();
  EXPECT_EQ(t.type, "0");
  EXPECT_EQ(t.flatRate, 0.5);
  EXPECT_EQ(t.blockLength, 1);
  EXPECT_EQ(t.afterMode, "1");
  EXPECT_EQ(t.rate, (Rates{10, 15, 20, 25}));
  EXPECT_EQ(t.slot, (Slots{15, 30, 45, 60}));
  EXPECT_EQ(t.blockCharge, 12);
  load(iniText({"[1]", "type=1", "rates=1,2,3,4", "slots=5,10,15,20", "after=0"}));
  EXPECT_EQ(t.flatRate, 0.5);
  EXPECT_EQ(t.blockCharge, 12) << "blocks are read only when after is 1";
}

TEST_F(LoadTariff, ShortListsAndBadEntriesKeepTheirFields) {
  struct Row {
    const char* rates;
    const char* slots;
    Rates expectedRates;
    Slots expectedSlots;
  };
  const Row rows[] = {
      {"11,16", "10,20", {11, 16, 20, 25}, {10, 20, 45, 60}},
      {"11,,x,26,99", "10,256,-1,50,5", {11, 15, 20, 26}, {10, 30, 45, 50}},
      {" 11 , 16.5 ,21,1e39", "10.5,20,30,40", {11, 16.5, 21, 25}, {10, 20, 30, 40}},
      {"", "", {0, 15, 20, 25}, {0, 30, 45, 60}},  // an empty entry reads "0"
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.rates) + " / " + row.slots);
    load(slotTariff);
    load(iniText({"[1]", "type=1", std::string("rates=") + row.rates, std::string("slots=") + row.slots}));
    EXPECT_EQ(tariff().rate, row.expectedRates);
    EXPECT_EQ(tariff().slot, row.expectedSlots);
  }
}

TEST_F(LoadTariff, FlatRatesThatAreNoOneNumberKeepTheRate) {
  for (const char* rates : {"10,15", "ten", "1e39"}) {
    SCOPED_TRACE(rates);
    resetTariff();
    load(iniText({"[1]", "type=0", std::string("rates=") + rates}));
    EXPECT_EQ(tariff().flatRate, 0) << "0 on a fresh client";
    load(iniText({"[1]", "type=0", "rates=3"}));
    load(iniText({"[1]", "type=0", std::string("rates=") + rates}));
    EXPECT_EQ(tariff().flatRate, 3);
  }
}

TEST_F(LoadTariff, ABlockWithoutAUsableLengthKeepsTheEarlierBlock) {
  struct Row {
    const char* min;
    const char* charges;
    double blockCharge;
    std::uint8_t blockLength;
  };
  const Row rows[] = {
      {"0", "20", 12, 30},     {"", "20", 12, 30},     {"half", "20", 12, 30}, {"0.4", "20", 12, 30},
      {"300", "20", 12, 30},   {"-15", "20", 12, 30},  {"45", "20", 20, 45},   {"45", "lots", 12, 45},
      {"255", "7.5", 7.5, 255},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("min=") + row.min + " charges=" + row.charges);
    load(slotTariff);
    load(iniText({"[1]", "type=1", "after=1", std::string("min=") + row.min, std::string("charges=") + row.charges}));
    EXPECT_EQ(tariff().blockCharge, row.blockCharge);
    EXPECT_EQ(tariff().blockLength, row.blockLength);
  }
}

TEST_F(LoadTariff, NoFileStillEndsTheLoad) {
  loadTariff();
  EXPECT_TRUE(tariff().tariffLoaded);
  EXPECT_EQ(tariff().type, "0");
  EXPECT_EQ(tariff().blockLength, 1);
}

}  // namespace
}  // namespace tavimo
