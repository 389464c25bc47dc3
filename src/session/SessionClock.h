#pragma once
// Session time as it really passes: the timer windows tick a little faster than once a
// second, and a tick may come late (a message box, a slow handler), so each tick asks how
// many whole seconds have passed since the last one counted, on the monotonic clock. A
// change of the Windows clock changes nothing; a pause counts nothing.
#include <cstdint>

namespace tavimo {

class SessionClock {
 public:
  // Starts counting from now.
  void start();
  // The whole seconds passed since the last one counted, now counted; 0 while paused.
  int dueSeconds();
  // Stops counting; what had passed of the current second is kept for the resume.
  void pause();
  // Counts on from where the pause stopped: the paused time is never caught up.
  void resume();
  bool paused() const { return paused_; }

 private:
  static std::uint64_t now();
  std::uint64_t counted_ = 0;  // when the last counted second ended, in milliseconds
  std::uint64_t carried_ = 0;  // what had passed beyond it when the clock was paused
  bool paused_ = false;
};

}  // namespace tavimo
