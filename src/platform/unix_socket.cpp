#include "platform/unix_socket.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
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

void SetTimeouts(int fd, int timeout_ms) {
  timeval tv{timeout_ms / 1000, static_cast<suseconds_t>((timeout_ms % 1000) * 1000)};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof(tv));
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof(tv));
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

UnixSocket UnixSocket::Connect(const std::string& path, int timeout_ms) {
  sockaddr_un address{};
  if (!FillAddress(path, address)) return {};
  UnixSocket socket(::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) return {};
  SetTimeouts(socket.fd_, timeout_ms);
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

bool UnixSocket::Send(std::span<const uint8_t> message) const {
  ssize_t sent;
  do {
    sent = send(fd_, message.data(), message.size(), MSG_NOSIGNAL);
  } while (sent < 0 && errno == EINTR);
  return sent == static_cast<ssize_t>(message.size());
}

bool UnixSocket::Receive(std::vector<uint8_t>& message, size_t max_size) const {
  message.resize(max_size);
  ssize_t got;
  do {
    got = recv(fd_, message.data(), message.size(), 0);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) return false;
  message.resize(static_cast<size_t>(got));
  return true;
}

}  // namespace orvane::platform
