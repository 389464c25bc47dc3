#pragma once
// The server's date and time as the handshake carries them: "mm/dd/yyyy" and a 12-hour time
// "h:mm:ss AM" (no leading zero on the hour), from the local clock or fixed for tests.
#include <optional>
#include <string>
#include <string_view>

namespace tavimo::devserver {

struct LocalTime {
  int year = 2000, month = 1, day = 1;   // month 1 to 12
  int hour = 0, minute = 0, second = 0;  // hour 0 to 23
};

std::string dateText(const LocalTime& t);
std::string timeText(const LocalTime& t);
// "14:03:22", for the log.
std::string logTimeText(const LocalTime& t);

// A date given by staff: "mm/dd/yyyy" (one-digit month and day accepted), a real calendar
// date; nothing otherwise. The result is in the handshake's form.
std::optional<std::string> normalDateText(std::string_view text);
// A time given by staff: "h:mm:ss AM" or "h:mm:ss PM" (hour 1 to 12, either case of AM/PM);
// nothing otherwise. The result is in the handshake's form.
std::optional<std::string> normalTimeText(std::string_view text);

LocalTime localNow();

// The clock the handshake reads: the local clock, or the date and time fixed at start.
class ServerClock {
 public:
  ServerClock() = default;
  ServerClock(std::optional<std::string> fixedDate, std::optional<std::string> fixedTime)
      : fixedDate_(std::move(fixedDate)), fixedTime_(std::move(fixedTime)) {}
  std::string date() const;
  std::string time() const;

 private:
  std::optional<std::string> fixedDate_;
  std::optional<std::string> fixedTime_;
};

}  // namespace tavimo::devserver
