#pragma once

#include <functional>

#include "platform/pacer.h"

namespace orvane::platform {

// Wall-clock pacer. The GUI installs a message pump (Qt's processEvents);
// command-line tools leave it empty.
class RealPacer : public Pacer {
 public:
  using MessagePump = std::function<void()>;

  RealPacer();
  explicit RealPacer(MessagePump pump);

  void Sleep(int ms) override;
  void ProcessMessages() override;
  uint32_t TickCount() const override;

  void SetMessagePump(MessagePump pump) { pump_ = std::move(pump); }

 private:
  MessagePump pump_;
};

}  // namespace orvane::platform
