#pragma once

#include <cstdint>

namespace orvane::platform {

// Every pause of the device protocol and every "let pending window messages
// run" goes through here, so the same protocol code runs against wall-clock
// time in the program and against a virtual clock in tests.
class Pacer {
 public:
  virtual ~Pacer() = default;

  // Blocks for about `ms` milliseconds without running window messages.
  virtual void Sleep(int ms) = 0;
  // Lets pending window messages (timers, clicks, repaints) run, then returns.
  virtual void ProcessMessages() = 0;
  // Milliseconds since an arbitrary start; wraps like a 32-bit tick counter.
  virtual uint32_t TickCount() const = 0;
};

}  // namespace orvane::platform
