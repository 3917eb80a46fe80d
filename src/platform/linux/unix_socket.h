#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane::platform {

// What became of one send or receive.
enum class SocketIo {
  kOk,
  kWouldWait,  // nothing could be done within the time given
  kClosed,     // the peer has gone
  kError,
};

// An owned file descriptor of a SOCK_SEQPACKET Unix socket.
class UnixSocket {
 public:
  UnixSocket() = default;
  explicit UnixSocket(int fd) : fd_(fd) {}
  ~UnixSocket();
  UnixSocket(UnixSocket&& other) noexcept : fd_(other.Release()) {}
  UnixSocket& operator=(UnixSocket&& other) noexcept;
  UnixSocket(const UnixSocket&) = delete;
  UnixSocket& operator=(const UnixSocket&) = delete;

  // Connects to a listening socket; an invalid socket when nobody accepts.
  static UnixSocket Connect(const std::string& path);
  // Binds and listens at `path`; an invalid socket on failure.
  static UnixSocket Listen(const std::string& path);

  bool Valid() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  int Release();

  // One whole message, waiting at most `timeout_ms` (0: not at all) for room.
  SocketIo Send(std::span<const uint8_t> message, int timeout_ms = 0) const;
  // One whole message, waiting at most `timeout_ms` (0: not at all) for it.
  // A message longer than `max_size` is taken from the socket and reported
  // as an error, never cut short and handed on.
  SocketIo Receive(std::vector<uint8_t>& message, size_t max_size, int timeout_ms = 0) const;

 private:
  // Waits for `events` on the socket until the deadline; false on timeout.
  bool WaitFor(short events, int timeout_ms) const;

  int fd_ = -1;
};

}  // namespace orvane::platform
