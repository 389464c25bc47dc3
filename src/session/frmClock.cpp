#include "session/frmClock.h"

#include "core/ClientContext.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "util/Convert.h"

namespace tavimo {

frmClock::frmClock() : Form("frmClock") {
  setCaption("Clock");
  Timer1.setInterval(1000);
  Timer1.setEnabled(false);
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

// "10:31:05 AM": hours before the first ":", minutes up to the second, seconds up to the
// first blank, the marker after it. A part that is no number stays 0.
void frmClock::onLoad() {
  platform().desktop->raisePriority();
  const std::string& time = client().serverTime;
  std::size_t colon1 = time.find(':');
  std::size_t colon2 = colon1 == std::string::npos ? std::string::npos : time.find(':', colon1 + 1);
  std::size_t blank = time.find(' ');
  auto number = [&time](std::size_t from, std::size_t to) -> std::int16_t {
    if (to == std::string::npos || to < from) return 0;
    return toInteger(time.substr(from, to - from)).value_or(0);
  };
  hours_ = number(0, colon1);
  if (colon1 != std::string::npos) minutes_ = number(colon1 + 1, colon2);
  if (colon2 != std::string::npos) seconds_ = number(colon2 + 1, blank);
  if (blank != std::string::npos) marker_ = time.substr(blank + 1);
  showTime();
  Timer1.setEnabled(true);
}

void frmClock::Timer1_Timer() {
  if (++seconds_ > 59) {
    seconds_ = 0;
    if (++minutes_ > 59) {
      minutes_ = 0;
      ++hours_;
    }
    if (marker_ == "AM" && hours_ == 12 && minutes_ == 0)
      marker_ = "PM";
    else if (marker_ == "PM" && hours_ == 12 && minutes_ == 0)
      marker_ = "AM";
    if (hours_ > 12) hours_ = 1;
  }
  showTime();
}

void frmClock::showTime() { Label1.setCaption(timeOfDayText(hours_, minutes_, seconds_, marker_)); }

}  // namespace tavimo
