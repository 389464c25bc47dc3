#pragma once
// Conversions between the client's texts and its numbers, truth values, money, times and
// dates, in one place so that every Part reads "12.5", "&HAAC" or "True" the same way.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavimo {

// Reading numbers from text, as the client's conversions do:
// - blanks (spaces, tabs, line breaks) around the number are allowed, nothing else is;
// - the text ends at its first NUL character, so a registry string read with its
//   terminator converts like the text without it;
// - an optional sign, digits with an optional "." and fraction, an optional exponent
//   ("E" or "D"); or "&H" hexadecimal and "&O" octal digits, which stand for a 32-bit
//   signed number ("&HFFFFFFFF" is -1);
// - no group separators, currency signs, "inf" or "nan"; an empty text is no number.
// A text that does not convert, or a number out of the type's range, gives nothing.
std::optional<double> toDouble(std::string_view text);
std::optional<float> toSingle(std::string_view text);
// The integer conversions round halves to the even neighbour: "2.5" gives 2, "3.5" gives 4.
std::optional<std::int32_t> toLong(std::string_view text);
// Hexadecimal of up to four digits is a 16-bit pattern here: "&HFFFF" is -1.
std::optional<std::int16_t> toInteger(std::string_view text);
std::optional<std::uint8_t> toByte(std::string_view text);
// A truth value: "true" and "false" in any case, or a number ("0" false, any other true).
std::optional<bool> toBool(std::string_view text);

// Rounds to the nearest whole number, halves to the even one.
double roundHalfEven(double value);

// Money as its shortest decimal text that reads back as the same float, never in exponent
// form: 12.5f gives "12.5", 100000.0f gives "100000", 0.1f gives "0.1".
std::string moneyText(float amount);
// The same for a number of double precision: 17.25 gives "17.25".
std::string decimalText(double number);

// Elapsed time without leading zeros: (0, 4, 59) gives "0:4:59".
std::string elapsedText(int hours, int minutes, int seconds);
// A time of day on the 12-hour clock: (9, 5, 7, "PM") gives "9:5:7 PM".
std::string timeOfDayText(int hours, int minutes, int seconds, std::string_view marker);

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

// A date text, month first as the café's regional settings write it: "m/d/yyyy" (also with
// "-" or "." between the numbers), or "yyyy-mm-dd". Two-digit years are 1930 to 2029.
// Nothing for any other text or a day that does not exist.
std::optional<Date> toDate(std::string_view text);
// "mm/dd/yyyy".
std::string dateText(const Date& date);

}  // namespace tavimo
