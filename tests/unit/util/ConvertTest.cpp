#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "util/Convert.h"

namespace tavimo {
namespace {

using namespace std::string_literals;

TEST(Convert, TextToNumbers) {
  struct Case {
    std::string text;
    std::optional<double> asDouble;
    std::optional<std::int32_t> asLong;
    std::optional<std::int16_t> asInteger;
    std::optional<std::uint8_t> asByte;
  };
  const auto none = std::nullopt;
  const Case cases[] = {
      {"0", 0, 0, 0, 0},
      {"12", 12, 12, 12, 12},
      {"  12  ", 12, 12, 12, 12},
      {"\t12\r\n", 12, 12, 12, 12},
      {"12\0"s, 12, 12, 12, 12},  // a registry read with its terminator
      {"12\0junk"s, 12, 12, 12, 12},
      {"+7", 7, 7, 7, 7},
      {"-7", -7, -7, -7, none},
      {"2.5", 2.5, 2, 2, 2},  // halves to even
      {"3.5", 3.5, 4, 4, 4},
      {"-2.5", -2.5, -2, -2, none},
      {"2.51", 2.51, 3, 3, 3},
      {"12.5", 12.5, 12, 12, 12},
      {".5", 0.5, 0, 0, 0},
      {"5.", 5, 5, 5, 5},
      {"1e3", 1000, 1000, 1000, none},
      {"1D2", 100, 100, 100, 100},
      {"&HAAC", 0xAAC, 0xAAC, 0xAAC, none},
      {"&h119901", 0x119901, 0x119901, none, none},
      {"&HFFFF", 65535, 65535, -1, none},  // four hex digits are a 16-bit pattern
      {"&HFFFFFFFF", -1, -1, -1, none},
      {"&H1FFFFFFFF", none, none, none, none},
      {"&O17", 15, 15, 15, 15},
      {"255.5", 255.5, 256, 256, none},
      {"254.5", 254.5, 254, 254, 254},
      {"32767", 32767, 32767, 32767, none},
      {"32768", 32768, 32768, none, none},
      {"-32768", -32768, -32768, -32768, none},
      {"32767.5", 32767.5, 32768, none, none},
      {"2147483647", 2147483647.0, 2147483647, none, none},
      {"2147483648", 2147483648.0, none, none, none},
      {"", none, none, none, none},
      {"   ", none, none, none, none},
      {"\0"s, none, none, none, none},
      {"abc", none, none, none, none},
      {"12abc", none, none, none, none},
      {"1 2", none, none, none, none},
      {"1,000", none, none, none, none},
      {"$5", none, none, none, none},
      {"inf", none, none, none, none},
      {"nan", none, none, none, none},
      {"1e", none, none, none, none},
      {"-", none, none, none, none},
      {".", none, none, none, none},
      {"&H", none, none, none, none},
      {"&HXY", none, none, none, none},
      {"1e999", none, none, none, none},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    EXPECT_EQ(c.asDouble, toDouble(c.text));
    EXPECT_EQ(c.asLong, toLong(c.text));
    EXPECT_EQ(c.asInteger, toInteger(c.text));
    EXPECT_EQ(c.asByte, toByte(c.text));
  }
}

TEST(Convert, SingleRangeAndPrecision) {
  EXPECT_EQ(0.1f, toSingle("0.1"));
  EXPECT_EQ(12.5f, toSingle(" 12.5 "));
  EXPECT_EQ(std::nullopt, toSingle("1e39"));
  EXPECT_EQ(std::nullopt, toSingle("x"));
}

TEST(Convert, TruthValues) {
  const std::pair<std::string, std::optional<bool>> cases[] = {
      {"0", false},      {"1", true},       {"-1", true},       {"2.5", true},    {"0.0", false},
      {" 0 ", false},    {"0\0"s, false},   {"1\0"s, true},     {"&H0", false},   {"true", true},
      {"True", true},    {"TRUE", true},    {"false", false},   {"False", false}, {" false ", false},
      {"", std::nullopt}, {"yes", std::nullopt}, {"on", std::nullopt}, {"truex", std::nullopt},
  };
  for (const auto& [text, expected] : cases) {
    SCOPED_TRACE("\"" + text + "\"");
    EXPECT_EQ(expected, toBool(text));
  }
}

TEST(Convert, RoundHalfEven) {
  const std::pair<double, double> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
      {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {7, 7},
  };
  for (const auto& [value, rounded] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(rounded, roundHalfEven(value));
  }
}

TEST(Convert, MoneyIsTheShortestTextThatReadsBack) {
  const std::pair<float, std::string> cases[] = {
      {0.0f, "0"},          {-0.0f, "0"},       {12.5f, "12.5"},   {0.5f, "0.5"},
      {1.0f, "1"},          {0.1f, "0.1"},      {0.1f + 0.2f, "0.3"}, {100000.0f, "100000"},
      {12345678.0f, "12345678"}, {-3.25f, "-3.25"}, {1.0f / 3.0f, "0.33333334"},
  };
  for (const auto& [amount, text] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(text, moneyText(amount));
    EXPECT_EQ(amount, toSingle(moneyText(amount)));
  }
}

TEST(Convert, TimeTextsHaveNoLeadingZeros) {
  EXPECT_EQ("0:4:59", elapsedText(0, 4, 59));
  EXPECT_EQ("0:0:0", elapsedText(0, 0, 0));
  EXPECT_EQ("1:5:9", elapsedText(1, 5, 9));
  EXPECT_EQ("26:10:0", elapsedText(26, 10, 0));
  EXPECT_EQ("9:5:7 PM", timeOfDayText(9, 5, 7, "PM"));
  EXPECT_EQ("12:0:0 AM", timeOfDayText(12, 0, 0, "AM"));
}

TEST(Convert, Dates) {
  const std::pair<std::string, std::optional<Date>> cases[] = {
      {"12/31/2024", Date{2024, 12, 31}},
      {"1/2/2025", Date{2025, 1, 2}},
      {" 01/02/2025 ", Date{2025, 1, 2}},
      {"1-2-2025", Date{2025, 1, 2}},
      {"1.2.2025", Date{2025, 1, 2}},
      {"2025-01-02", Date{2025, 1, 2}},
      {"2/29/2024", Date{2024, 2, 29}},
      {"1/2/25", Date{2025, 1, 2}},
      {"1/2/29", Date{2029, 1, 2}},
      {"1/2/30", Date{1930, 1, 2}},
      {"2/29/2023", std::nullopt},
      {"2/29/1900", std::nullopt},
      {"2/29/2000", Date{2000, 2, 29}},
      {"13/1/2025", std::nullopt},
      {"4/31/2025", std::nullopt},
      {"0/1/2025", std::nullopt},
      {"1/2-2025", std::nullopt},
      {"1/2/2025x", std::nullopt},
      {"1/2", std::nullopt},
      {"1/2/202", std::nullopt},
      {"", std::nullopt},
      {"yesterday", std::nullopt},
  };
  for (const auto& [text, date] : cases) {
    SCOPED_TRACE("\"" + text + "\"");
    EXPECT_EQ(date, toDate(text));
  }
  EXPECT_EQ("01/02/2025", dateText({2025, 1, 2}));
  EXPECT_EQ("12/31/1999", dateText({1999, 12, 31}));
  EXPECT_LT(*toDate("12/31/2024"), *toDate("1/1/2025"));
}

}  // namespace
}  // namespace tavimo
