#include "platform/real_pacer.h"

#include <sys/prctl.h>
#include <time.h>

#include <cerrno>
#include <chrono>

namespace orvane::platform {

namespace {

// The protocol sleeps 5 ms per chunk hundreds of times in a row; the default
// 50 us timer slack would add several percent to every block transfer.
void TightenTimerSlack() { prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0); }

constexpr int64_t kSpinMarginNs = 300'000;

int64_t NowNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

timespec ToTimespec(int64_t ns) {
  return {static_cast<time_t>(ns / 1'000'000'000LL), static_cast<long>(ns % 1'000'000'000LL)};
}

}  // namespace

RealPacer::RealPacer() { TightenTimerSlack(); }

RealPacer::RealPacer(MessagePump pump) : pump_(std::move(pump)) { TightenTimerSlack(); }

void RealPacer::Sleep(int ms) {
  if (ms <= 0) return;
  const int64_t deadline = NowNs() + ms * 1'000'000LL;
  // The kernel wakes us a tenth of a millisecond or more late, which adds up
  // over hundreds of 5 ms pauses; sleep to just short of the deadline, then
  // wait out the rest on the clock.
  const timespec coarse = ToTimespec(deadline - kSpinMarginNs);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &coarse, nullptr) == EINTR) {
  }
  while (NowNs() < deadline) {
  }
}

void RealPacer::ProcessMessages() {
  if (pump_) pump_();
}

uint32_t RealPacer::TickCount() const {
  using namespace std::chrono;
  const auto since_boot = steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(duration_cast<milliseconds>(since_boot).count());
}

}  // namespace orvane::platform
