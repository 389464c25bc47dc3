#include <gtest/gtest.h>

#include "core/ClockText.h"

namespace tavimo::devserver {
namespace {

TEST(DevServerClock, TwelveHourTimeWithoutLeadingZeroOnTheHour) {
  const struct {
    int hour, minute, second;
    const char* text;
  } cases[] = {
      {0, 0, 0, "12:00:00 AM"},  {0, 5, 9, "12:05:09 AM"}, {1, 5, 9, "1:05:09 AM"},
      {11, 59, 59, "11:59:59 AM"}, {12, 0, 0, "12:00:00 PM"}, {13, 5, 9, "1:05:09 PM"},
      {23, 59, 59, "11:59:59 PM"},
  };
  for (const auto& c : cases) {
    LocalTime t;
    t.hour = c.hour;
    t.minute = c.minute;
    t.second = c.second;
    EXPECT_EQ(timeText(t), c.text);
  }
}

TEST(DevServerClock, DateIsMonthDayYearWithLeadingZeros) {
  EXPECT_EQ(dateText(LocalTime{2024, 3, 5, 0, 0, 0}), "03/05/2024");
  EXPECT_EQ(dateText(LocalTime{2030, 12, 31, 0, 0, 0}), "12/31/2030");
}

TEST(DevServerClock, DatesGivenByStaff) {
  const struct {
    const char* given;
    std::optional<std::string> normal;
  } cases[] = {
      {"03/15/2024", "03/15/2024"}, {"3/5/2024", "03/05/2024"}, {"02/29/2024", "02/29/2024"},
      {"02/29/2023", std::nullopt}, {"02/29/1900", std::nullopt}, {"02/29/2000", "02/29/2000"},
      {"13/01/2024", std::nullopt}, {"00/10/2024", std::nullopt}, {"04/31/2024", std::nullopt},
      {"2024-03-15", std::nullopt}, {"03/15/24", std::nullopt},   {"03/15/2024x", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(normalDateText(c.given), c.normal) << c.given;
}

TEST(DevServerClock, TimesGivenByStaff) {
  const struct {
    const char* given;
    std::optional<std::string> normal;
  } cases[] = {
      {"1:05:09 PM", "1:05:09 PM"},  {"01:05:09 pm", "1:05:09 PM"}, {"12:00:00 AM", "12:00:00 AM"},
      {"13:05:09 PM", std::nullopt}, {"0:05:09 AM", std::nullopt},  {"1:5:09 PM", std::nullopt},
      {"1:05:60 PM", std::nullopt},  {"1:05:09", std::nullopt},     {"1:05:09 XM", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(normalTimeText(c.given), c.normal) << c.given;
}

TEST(DevServerClock, LocalClockGivesTextsInTheHandshakeForm) {
  const ServerClock clock;
  const std::string date = clock.date();
  const std::string time = clock.time();
  EXPECT_EQ(normalDateText(date), date);
  EXPECT_EQ(normalTimeText(time), time);
}

}  // namespace
}  // namespace tavimo::devserver
