#pragma once

#include <memory>
#include <string>

#include "platform/input_capture.h"

typedef struct _XDisplay Display;

namespace orvane::platform {

// The desktop's keys and buttons from the X server: XInput2 raw events
// selected on the root window, so they are seen whichever window has the
// focus and still go where they were going. Nothing polls: the window
// watches WakeDescriptor() and calls Drain() when it is readable, which hands the
// waiting events over in the order the server sent them.
class X11InputCapture : public InputCapture {
 public:
  // Nothing where there is no X display or it has no XInput 2; `why` says.
  static std::unique_ptr<X11InputCapture> Open(std::string* why);
  ~X11InputCapture() override;

  bool Start(Deliver deliver) override;
  void Stop() override;
  bool SeesWholeDesktop() const override { return true; }

  int WakeDescriptor() const override;
  void Drain() override;

 private:
  X11InputCapture(Display* display, int xi_opcode) : display_(display), xi_opcode_(xi_opcode) {}
  void Select(bool on);

  Display* display_;
  int xi_opcode_;
  Deliver deliver_;
  bool running_ = false;
};

}  // namespace orvane::platform
