#include "platform/common/virtual_pacer.h"

#include <algorithm>

namespace orvane::platform {

void VirtualPacer::Sleep(int ms) {
  ++sleep_calls_;
  slept_ms_ += std::max(ms, 0);
  PassTime(now_ms_ + std::max(ms, 0));
}

void VirtualPacer::ProcessMessages() {
  ++message_runs_;
  RunDueEvents();
}

void VirtualPacer::At(int64_t at_ms, std::function<void()> action) {
  events_.emplace(at_ms, std::move(action));
}

void VirtualPacer::AdvanceTo(int64_t at_ms) {
  PassTime(std::max(at_ms, now_ms_));
  RunDueEvents();
}

void VirtualPacer::PassTime(int64_t until) {
  // Events fall due in order while time passes, each at its own moment.
  while (!events_.empty() && events_.begin()->first <= until) {
    now_ms_ = std::max(now_ms_, events_.begin()->first);
    RunDueEvents();
  }
  now_ms_ = until;
}

void VirtualPacer::RunDueEvents() {
  while (!events_.empty() && events_.begin()->first <= now_ms_) {
    auto action = std::move(events_.begin()->second);
    events_.erase(events_.begin());
    action();  // may schedule further events
  }
}

}  // namespace orvane::platform
