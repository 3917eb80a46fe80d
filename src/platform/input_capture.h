#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace orvane::platform {

// One key or mouse-button event of the whole desktop, as the input system
// reported it.
struct CapturedInput {
  enum class Kind { kKeyDown, kKeyUp, kButtonDown, kButtonUp };
  Kind kind = Kind::kKeyDown;
  // A key's virtual-key code (the codes the key tables use), or a button:
  // 0 left, 1 right, 2 middle, 3 forward, 4 backward.
  int code = 0;
  uint32_t time_ms = 0;  // the input system's clock
};

// System-wide key and button events while a macro is recorded. Events reach
// `deliver` on the thread that drains the capture (the window's), one at a
// time and in the order they happened; keys and clicks still reach the
// programs they were meant for.
class InputCapture {
 public:
  using Deliver = std::function<void(const CapturedInput&)>;
  virtual ~InputCapture() = default;

  virtual bool Start(Deliver deliver) = 0;
  virtual void Stop() = 0;
  // False where only the program's own window's input can be seen.
  virtual bool SeesWholeDesktop() const = 0;

  // Where events wait on a descriptor (the X connection), the window
  // watches it and calls Drain() when it is readable; -1 where they come
  // through the window thread's own message loop.
  virtual int WakeDescriptor() const { return -1; }
  virtual void Drain() {}
};

// The desktop's own capture, made on the window's thread; nullptr (with
// `why`) where this desktop offers none.
std::unique_ptr<InputCapture> MakeSystemInputCapture(std::string* why);

}  // namespace orvane::platform
