#pragma once

#include "platform/input_capture.h"

namespace orvane::platform {

// The capture for tests: events are handed in by the test, and reach the
// recording only while it runs, as the desktop's would.
class InjectedInputCapture : public InputCapture {
 public:
  bool Start(Deliver deliver) override {
    deliver_ = std::move(deliver);
    return true;
  }
  void Stop() override { deliver_ = nullptr; }
  bool SeesWholeDesktop() const override { return true; }

  bool Running() const { return static_cast<bool>(deliver_); }
  void Inject(const CapturedInput& input) {
    if (deliver_) deliver_(input);
  }

 private:
  Deliver deliver_;
};

}  // namespace orvane::platform
