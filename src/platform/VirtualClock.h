#pragma once
// Time for headless runs: events scheduled at virtual milliseconds run in time order, and
// time moves only when the test lets it. Timers, datagrams in flight and scripted actions
// all wait here, so a run is the same every time.
#include <cstdint>
#include <functional>
#include <map>
#include <utility>

namespace tavimo {

class VirtualClock {
 public:
  using Event = std::function<void()>;
  using Id = std::uint64_t;

  std::uint64_t now() const { return now_; }
  Id schedule(std::uint64_t delay, Event event);
  void cancel(Id id);
  bool pending() const { return !queue_.empty(); }
  // When the next event is due; only meaningful while pending().
  std::uint64_t nextDue() const;

  // Runs the earliest event, moving time to its due time first. False when none is left.
  bool runNext();
  // Runs every event due by now, including those they schedule for now.
  void runDue();
  // Moves time on without running anything (a blocked thread); due events run later.
  void skip(std::uint64_t milliseconds) { now_ += milliseconds; }
  // Runs every event due within the next `milliseconds`, then sets time to that end.
  void advance(std::uint64_t milliseconds);

 private:
  std::uint64_t now_ = 0;
  Id nextId_ = 1;
  // Ordered by due time, then by scheduling order.
  std::map<std::pair<std::uint64_t, Id>, Event> queue_;
  std::map<Id, std::uint64_t> dueOf_;
};

}  // namespace tavimo
