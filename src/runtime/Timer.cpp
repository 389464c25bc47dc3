#include "runtime/Timer.h"

#include "runtime/App.h"

namespace tavimo::rt {

Timer::Timer(Form& form, std::string name, int index) : Control(form, ControlKind::Timer, std::move(name), index) {
  setVisible(false);
}

Timer::~Timer() {
  if (counting_ && hasApp()) app().backend().stopTimer(*this);
}

void Timer::setInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  restart();
}

void Timer::setEnabled(bool enabled) {
  Control::setEnabled(enabled);
  restart();
}

void Timer::attach() {
  attached_ = true;
  restart();
}

void Timer::detach() {
  attached_ = false;
  restart();
}

void Timer::restart() {
  if (counting_) {
    app().backend().stopTimer(*this);
    counting_ = false;
  }
  if (running()) {
    app().backend().startTimer(*this);
    counting_ = true;
  }
}

void Timer::fire() {
  if (running() && onTimer) onTimer();
}

}  // namespace tavimo::rt
