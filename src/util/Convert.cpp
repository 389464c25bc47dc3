#include "util/Convert.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/AnsiCase.h"

namespace tavimo {

namespace {

constexpr std::string_view blanks = " \t\r\n\v\f";

// The text up to its first NUL, without the blanks around it.
std::string_view significant(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A parsed number: a decimal value, or the bits of a hexadecimal or octal one.
struct Number {
  bool radix = false;
  double value = 0;
  std::uint64_t bits = 0;
};

std::optional<Number> parseRadix(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t bits = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, base);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return Number{true, 0, bits};
}

// Copies the digits at i to out and moves past them; returns how many there were.
std::size_t takeDigits(std::string_view text, std::size_t& i, std::string& out) {
  const std::size_t start = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') out += text[i++];
  return i - start;
}

std::optional<Number> parseNumber(std::string_view text) {
  text = significant(text);
  if (text.size() > 2 && text[0] == '&') {
    const char kind = upperAnsi(text[1]);
    if (kind == 'H') return parseRadix(text.substr(2), 16);
    if (kind == 'O') return parseRadix(text.substr(2), 8);
    return std::nullopt;
  }
  // sign, digits, ".", digits, exponent letter, sign, digits; at least one mantissa digit.
  std::string plain;
  std::size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t mantissaDigits = takeDigits(text, i, plain);
  if (i < text.size() && text[i] == '.') {
    plain += text[i++];
    mantissaDigits += takeDigits(text, i, plain);
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (upperAnsi(text[i]) == 'E' || upperAnsi(text[i]) == 'D')) {
    plain += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) plain += text[i++];
    if (takeDigits(text, i, plain) == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return Number{false, negative ? -value : value, 0};
}

// Hexadecimal and octal numbers are 32-bit patterns.
std::optional<std::int32_t> radixLong(const Number& number) {
  if (number.bits > 0xFFFFFFFFu) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(number.bits));
}

template <class Int>
std::optional<Int> roundedInRange(double value) {
  const double rounded = roundHalfEven(value);
  if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
      rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double roundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::optional<double> toDouble(std::string_view text) {
  const auto number = parseNumber(text);
  if (!number) return std::nullopt;
  if (!number->radix) return number->value;
  const auto pattern = radixLong(*number);
  if (!pattern) return std::nullopt;
  return *pattern;
}

std::optional<float> toSingle(std::string_view text) {
  const auto value = toDouble(text);
  if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) return std::nullopt;
  return static_cast<float>(*value);
}

std::optional<std::int32_t> toLong(std::string_view text) {
  const auto number = parseNumber(text);
  if (!number) return std::nullopt;
  if (number->radix) return radixLong(*number);
  return roundedInRange<std::int32_t>(number->value);
}

std::optional<std::int16_t> toInteger(std::string_view text) {
  const auto number = parseNumber(text);
  if (!number) return std::nullopt;
  if (number->radix && number->bits <= 0xFFFF) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(number->bits));
  }
  if (number->radix) {
    const auto pattern = radixLong(*number);
    if (!pattern) return std::nullopt;
    return roundedInRange<std::int16_t>(*pattern);
  }
  return roundedInRange<std::int16_t>(number->value);
}

std::optional<std::uint8_t> toByte(std::string_view text) {
  const auto value = toInteger(text);
  if (!value || *value < 0 || *value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(*value);
}

std::optional<bool> toBool(std::string_view text) {
  const std::string_view word = significant(text);
  if (equalsIgnoringCase(word, "true")) return true;
  if (equalsIgnoringCase(word, "false")) return false;
  const auto value = toDouble(word);
  if (!value) return std::nullopt;
  return *value != 0;
}

namespace {
template <class Number>
std::string shortestFixed(Number number) {
  if (number == 0) return "0";  // also for -0
  char text[400];  // the longest double in fixed form has 309 digits before the point
  const auto result = std::to_chars(text, text + sizeof text, number, std::chars_format::fixed);
  return std::string(text, result.ptr);
}
}  // namespace

std::string moneyText(float amount) { return shortestFixed(amount); }

std::string decimalText(double number) { return shortestFixed(number); }

std::string elapsedText(int hours, int minutes, int seconds) {
  return std::to_string(hours) + ":" + std::to_string(minutes) + ":" + std::to_string(seconds);
}

std::string timeOfDayText(int hours, int minutes, int seconds, std::string_view marker) {
  return elapsedText(hours, minutes, seconds) + " " + std::string(marker);
}

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

std::optional<Date> toDate(std::string_view text) {
  text = significant(text);
  int fields[3] = {};
  std::size_t widths[3] = {};
  char separator = 0;
  std::size_t at = 0;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) {
      if (at >= text.size()) return std::nullopt;
      const char found = text[at++];
      if (found != '/' && found != '-' && found != '.') return std::nullopt;
      if (separator && found != separator) return std::nullopt;
      separator = found;
    }
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), fields[i]);
    if (error != std::errc() || fields[i] < 0) return std::nullopt;
    widths[i] = static_cast<std::size_t>(end - (text.data() + at));
    at += widths[i];
  }
  if (at != text.size()) return std::nullopt;
  Date date = widths[0] == 4 ? Date{fields[0], fields[1], fields[2]}
                             : Date{fields[2], fields[0], fields[1]};
  const std::size_t yearWidth = widths[0] == 4 ? widths[0] : widths[2];
  if (yearWidth <= 2) date.year += date.year < 30 ? 2000 : 1900;
  else if (yearWidth != 4) return std::nullopt;
  if (date.year < 100 || date.month < 1 || date.month > 12 || date.day < 1 ||
      date.day > daysInMonth(date.year, date.month)) {
    return std::nullopt;
  }
  return date;
}

std::string dateText(const Date& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.month, date.day, date.year);
  return text;
}

}  // namespace tavimo
