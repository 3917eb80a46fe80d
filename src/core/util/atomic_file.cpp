#include "core/util/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace orvane::util {

namespace {

bool Fail(std::string* error, const std::string& what, const std::string& path) {
  if (error != nullptr) *error = what + " " + path + ": " + std::strerror(errno);
  return false;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error) {
  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return Fail(error, "cannot create a temporary file for", path);
  fchmod(fd, 0644);  // mkstemp's 0600 would make the saved file private
  const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
  const int saved_errno = errno;
  const bool closed = close(fd) == 0;
  if (!written || !closed) {
    errno = written ? errno : saved_errno;
    unlink(temporary.c_str());
    return Fail(error, "cannot write", path);
  }
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    const int rename_errno = errno;
    unlink(temporary.c_str());
    errno = rename_errno;
    return Fail(error, "cannot replace", path);
  }
  return true;
}

}  // namespace orvane::util
