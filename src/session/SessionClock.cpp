#include "session/SessionClock.h"

#include "runtime/App.h"

namespace tavimo {

std::uint64_t SessionClock::now() { return rt::app().backend().tickCount(); }

void SessionClock::start() {
  counted_ = now();
  carried_ = 0;
  paused_ = false;
}

int SessionClock::dueSeconds() {
  if (paused_) return 0;
  const std::uint64_t passed = now() - counted_;
  const auto seconds = static_cast<int>(passed / 1000);
  counted_ += static_cast<std::uint64_t>(seconds) * 1000;
  return seconds;
}

void SessionClock::pause() {
  if (paused_) return;
  carried_ = now() - counted_;
  paused_ = true;
}

void SessionClock::resume() {
  if (!paused_) return;
  counted_ = now() - carried_;
  paused_ = false;
}

}  // namespace tavimo
