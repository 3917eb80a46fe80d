// The wall-clock pacer on Windows: a high-resolution waitable timer sleeps
// to just short of the deadline, the performance counter waits out the rest.
#include <windows.h>

#include "platform/real_pacer.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace orvane::platform {

namespace {

constexpr int64_t kSpinMarginUs = 300;

int64_t NowUs() {
  static const int64_t frequency = [] {
    LARGE_INTEGER value{};
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency * 1'000'000 + now.QuadPart % frequency * 1'000'000 / frequency;
}

// One timer per thread that sleeps; the high-resolution kind where the
// system has it (Windows 10 1803 on), else the ordinary one.
HANDLE ThreadTimer() {
  struct Timer {
    HANDLE handle = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                           TIMER_ALL_ACCESS);
    Timer() {
      if (handle == nullptr) handle = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    }
    ~Timer() {
      if (handle != nullptr) CloseHandle(handle);
    }
  };
  thread_local Timer timer;
  return timer.handle;
}

}  // namespace

RealPacer::RealPacer() = default;

RealPacer::RealPacer(MessagePump pump) : pump_(std::move(pump)) {}

void RealPacer::Sleep(int ms) {
  if (ms <= 0) return;
  const int64_t deadline = NowUs() + ms * 1'000LL;
  const int64_t coarse_us = ms * 1'000LL - kSpinMarginUs;
  const HANDLE timer = ThreadTimer();
  LARGE_INTEGER due{};
  due.QuadPart = -coarse_us * 10;  // relative, in 100 ns units
  if (timer != nullptr && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    WaitForSingleObject(timer, INFINITE);
  } else {
    ::Sleep(static_cast<DWORD>(coarse_us / 1'000));
  }
  while (NowUs() < deadline) {
  }
}

void RealPacer::ProcessMessages() {
  if (pump_) pump_();
}

uint32_t RealPacer::TickCount() const { return GetTickCount(); }

}  // namespace orvane::platform
