#pragma once
// The café's time of day, never shown: started from the server's time when it loads and
// ticking once a second; the timer windows read Label1 for "now".
#include <cstdint>
#include <string>

#include "runtime/Controls.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"

namespace tavimo {

class frmClock : public rt::Form {
 public:
  frmClock();
  rt::Label Label1{*this, "Label1"};
  rt::Timer Timer1{*this, "Timer1"};

 protected:
  void onLoad() override;

 private:
  void Timer1_Timer();
  void showTime();
  std::int16_t hours_ = 0;
  std::int16_t minutes_ = 0;
  std::int16_t seconds_ = 0;
  std::string marker_;
};

}  // namespace tavimo
