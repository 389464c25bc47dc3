#include "core/ClockText.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace tavimo::devserver {
namespace {

// A whole number written with minLength to maxLength digits; -1 otherwise.
int number(std::string_view digits, std::size_t minLength, std::size_t maxLength) {
  if (digits.size() < minLength || digits.size() > maxLength) return -1;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

}  // namespace

std::string dateText(const LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.month, t.day, t.year);
  return text;
}

std::string timeText(const LocalTime& t) {
  const int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d %s", hour12, t.minute, t.second,
                t.hour < 12 ? "AM" : "PM");
  return text;
}

std::string logTimeText(const LocalTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

std::optional<std::string> normalDateText(std::string_view text) {
  const auto first = text.find('/');
  const auto second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  LocalTime t;
  t.month = number(text.substr(0, first), 1, 2);
  t.day = number(text.substr(first + 1, second - first - 1), 1, 2);
  t.year = number(text.substr(second + 1), 4, 4);
  if (t.month < 1 || t.month > 12 || t.year < 1 || t.day < 1 ||
      t.day > daysInMonth(t.year, t.month)) {
    return std::nullopt;
  }
  return dateText(t);
}

std::optional<std::string> normalTimeText(std::string_view text) {
  const auto blank = text.find(' ');
  if (blank == std::string_view::npos) return std::nullopt;
  const std::string_view clock = text.substr(0, blank);
  std::string marker(text.substr(blank + 1));
  for (char& c : marker) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (marker != "AM" && marker != "PM") return std::nullopt;
  const auto first = clock.find(':');
  const auto second = first == std::string_view::npos ? first : clock.find(':', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const int hour = number(clock.substr(0, first), 1, 2);
  LocalTime t;
  t.minute = number(clock.substr(first + 1, second - first - 1), 2, 2);
  t.second = number(clock.substr(second + 1), 2, 2);
  if (hour < 1 || hour > 12 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59) {
    return std::nullopt;
  }
  t.hour = hour % 12 + (marker == "PM" ? 12 : 0);
  return timeText(t);
}

LocalTime localNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                   parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::string ServerClock::date() const { return fixedDate_ ? *fixedDate_ : dateText(localNow()); }

std::string ServerClock::time() const { return fixedTime_ ? *fixedTime_ : timeText(localNow()); }

}  // namespace tavimo::devserver
