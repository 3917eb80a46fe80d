#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/linux/unix_socket.h"
#include "platform/linux/virtual_hid_wire.h"

namespace orvane::platform {

// One connection to a device the emulator publishes: a request at a time,
// each answered within the caller's time.
class WireClient {
 public:
  // `max_answer`: the longest answer this device sends.
  WireClient(UnixSocket socket, size_t max_answer)
      : socket_(std::move(socket)), max_answer_(max_answer) {}

  // Sends one request and waits up to `timeout_ms` for the answer that
  // carries its sequence number. Answers to earlier requests that come late
  // are dropped on the way; no answer in time is a failed call.
  std::optional<wire::Answer> Exchange(wire::Op op, std::span<const uint8_t> payload,
                                       int timeout_ms);
  // The peer has gone: every later call fails at once.
  bool Gone() const { return gone_; }

 private:
  // True when the call went through; notes a peer that has gone.
  bool Settled(SocketIo io);

  UnixSocket socket_;
  size_t max_answer_;
  uint32_t last_sequence_ = 0;
  bool gone_ = false;
};

}  // namespace orvane::platform
