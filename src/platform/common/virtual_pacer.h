#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "platform/pacer.h"

namespace orvane::platform {

// A virtual clock for tests: sleeping advances time instantly, and events
// scheduled for a moment in virtual time run as that moment is passed (during
// a sleep) or reached (when messages are processed). Tests read back how much
// time a protocol step cost and how often it let messages run.
class VirtualPacer : public Pacer {
 public:
  void Sleep(int ms) override;
  void ProcessMessages() override;
  uint32_t TickCount() const override { return static_cast<uint32_t>(now_ms_); }

  // Runs `action` once virtual time reaches `at_ms`.
  void At(int64_t at_ms, std::function<void()> action);
  // Lets time pass up to `at_ms` outside any protocol sleep (the test's own
  // waiting), running the events on the way.
  void AdvanceTo(int64_t at_ms);

  int64_t NowMs() const { return now_ms_; }
  int64_t SleptMs() const { return slept_ms_; }
  int SleepCalls() const { return sleep_calls_; }
  int MessageRuns() const { return message_runs_; }

 private:
  void PassTime(int64_t until);
  void RunDueEvents();

  int64_t now_ms_ = 0;
  int64_t slept_ms_ = 0;
  int sleep_calls_ = 0;
  int message_runs_ = 0;
  std::multimap<int64_t, std::function<void()>> events_;
};

}  // namespace orvane::platform
