#pragma once
// A form's timer: ticks every `interval` milliseconds while enabled and its form is loaded.
// Setting either property restarts the count; an interval of 0 never ticks.
#include <functional>
#include <string>

#include "runtime/Control.h"

namespace tavimo::rt {

class Timer : public Control {
 public:
  Timer(Form& form, std::string name, int index = -1);
  ~Timer() override;

  int interval() const { return interval_; }
  void setInterval(int milliseconds);
  void setEnabled(bool enabled) override;
  // Whether the back end is counting for this timer now.
  bool running() const { return enabled() && interval_ > 0 && attached_; }

  // Called by the back end when the interval has passed.
  void fire();
  // Called by the form when its window is created and destroyed.
  void attach();
  void detach();

  std::function<void()> onTimer;

 private:
  void restart();
  int interval_ = 0;
  bool attached_ = false;
  bool counting_ = false;
};

}  // namespace tavimo::rt
