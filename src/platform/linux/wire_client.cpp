#include "platform/linux/wire_client.h"

#include <chrono>
#include <vector>

namespace orvane::platform {

namespace {

using Clock = std::chrono::steady_clock;

int TimeLeft(Clock::time_point deadline) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

std::optional<wire::Answer> WireClient::Exchange(wire::Op op, std::span<const uint8_t> payload,
                                                 int timeout_ms) {
  if (gone_) return std::nullopt;
  const uint32_t sequence = ++last_sequence_;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  if (!Settled(socket_.Send(wire::EncodeRequest(op, sequence, payload), TimeLeft(deadline)))) {
    return std::nullopt;
  }
  std::vector<uint8_t> message;
  for (;;) {
    const int left = TimeLeft(deadline);
    if (left <= 0) return std::nullopt;
    const SocketIo io = socket_.Receive(message, max_answer_, left);
    if (io == SocketIo::kError) continue;  // an oversized message: not an answer
    if (!Settled(io)) return std::nullopt;
    const auto answer = wire::ParseAnswer(message);
    if (answer && answer->sequence == sequence) return answer;
  }
}

bool WireClient::Settled(SocketIo io) {
  if (io == SocketIo::kClosed) gone_ = true;
  return io == SocketIo::kOk;
}

}  // namespace orvane::platform
