#include "platform/VirtualClock.h"

namespace tavimo {

VirtualClock::Id VirtualClock::schedule(std::uint64_t delay, Event event) {
  Id id = nextId_++;
  queue_.emplace(std::make_pair(now_ + delay, id), std::move(event));
  dueOf_[id] = now_ + delay;
  return id;
}

void VirtualClock::cancel(Id id) {
  auto due = dueOf_.find(id);
  if (due == dueOf_.end()) return;
  queue_.erase({due->second, id});
  dueOf_.erase(due);
}

std::uint64_t VirtualClock::nextDue() const { return queue_.begin()->first.first; }

bool VirtualClock::runNext() {
  if (queue_.empty()) return false;
  auto first = queue_.begin();
  auto [due, id] = first->first;
  Event event = std::move(first->second);
  queue_.erase(first);
  dueOf_.erase(id);
  if (due > now_) now_ = due;
  event();
  return true;
}

void VirtualClock::runDue() {
  while (!queue_.empty() && nextDue() <= now_) runNext();
}

void VirtualClock::advance(std::uint64_t milliseconds) {
  std::uint64_t end = now_ + milliseconds;
  while (!queue_.empty() && nextDue() <= end) runNext();
  if (end > now_) now_ = end;
}

}  // namespace tavimo
