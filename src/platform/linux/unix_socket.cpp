#include "platform/linux/unix_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace orvane::platform {

namespace {

bool FillAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof(address));
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof(address.sun_path)) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

SocketIo ErrorKind(int error) {
  if (error == EAGAIN || error == EWOULDBLOCK) return SocketIo::kWouldWait;
  if (error == EPIPE || error == ECONNRESET || error == ENOTCONN) return SocketIo::kClosed;
  return SocketIo::kError;
}

}  // namespace

UnixSocket::~UnixSocket() {
  if (fd_ >= 0) close(fd_);
}

UnixSocket& UnixSocket::operator=(UnixSocket&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.Release();
  }
  return *this;
}

int UnixSocket::Release() {
  const int fd = fd_;
  fd_ = -1;
  return fd;
}

UnixSocket UnixSocket::Connect(const std::string& path) {
  sockaddr_un address{};
  if (!FillAddress(path, address)) return {};
  // Non-blocking: a connect to a listener whose backlog is full fails at
  // once instead of hanging the caller.
  UnixSocket socket(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!socket.Valid()) return {};
  if (connect(socket.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
    return {};
  }
  return socket;
}

UnixSocket UnixSocket::Listen(const std::string& path) {
  sockaddr_un address{};
  if (!FillAddress(path, address)) return {};
  UnixSocket socket(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!socket.Valid()) return {};
  if (bind(socket.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(socket.fd_, 64) != 0) {
    return {};
  }
  return socket;
}

bool UnixSocket::WaitFor(short events, int timeout_ms) const {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    pollfd fd{fd_, events, 0};
    const int ready = poll(&fd, 1, static_cast<int>(left));
    if (ready > 0) return true;  // also on hang-up or error: the next call tells which
    if (ready < 0 && errno != EINTR) return true;
  }
}

SocketIo UnixSocket::Send(std::span<const uint8_t> message, int timeout_ms) const {
  for (bool waited = false;; waited = true) {
    const ssize_t sent = send(fd_, message.data(), message.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent == static_cast<ssize_t>(message.size())) return SocketIo::kOk;
    if (sent >= 0) return SocketIo::kError;
    if (errno == EINTR) continue;
    const SocketIo kind = ErrorKind(errno);
    if (kind != SocketIo::kWouldWait || waited || timeout_ms <= 0) return kind;
    if (!WaitFor(POLLOUT, timeout_ms)) return SocketIo::kWouldWait;
  }
}

SocketIo UnixSocket::Receive(std::vector<uint8_t>& message, size_t max_size, int timeout_ms) const {
  for (bool waited = false;; waited = true) {
    message.resize(max_size);
    const ssize_t got = recv(fd_, message.data(), message.size(), MSG_DONTWAIT | MSG_TRUNC);
    if (got > static_cast<ssize_t>(max_size)) return SocketIo::kError;  // oversized, dropped
    // An empty message cannot be told from the end of the stream; either way
    // nothing more will come that can be trusted.
    if (got == 0) return SocketIo::kClosed;
    if (got > 0) {
      message.resize(static_cast<size_t>(got));
      return SocketIo::kOk;
    }
    if (errno == EINTR) continue;
    const SocketIo kind = ErrorKind(errno);
    if (kind != SocketIo::kWouldWait || waited || timeout_ms <= 0) return kind;
    if (!WaitFor(POLLIN, timeout_ms)) return SocketIo::kWouldWait;
  }
}

}  // namespace orvane::platform
