#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane::platform {

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
  static UnixSocket Connect(const std::string& path, int timeout_ms);
  // Binds and listens at `path`; an invalid socket on failure.
  static UnixSocket Listen(const std::string& path);

  bool Valid() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  int Release();

  bool Send(std::span<const uint8_t> message) const;
  // One whole message; false on error, timeout or a closed peer.
  bool Receive(std::vector<uint8_t>& message, size_t max_size) const;

 private:
  int fd_ = -1;
};

}  // namespace orvane::platform
