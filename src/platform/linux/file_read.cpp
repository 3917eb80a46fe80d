#include "platform/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/common/file_size_check.h"

namespace orvane::util {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

FileRead Refuse(std::string& error, const std::string& path, const std::string& why) {
  error = path + ": " + why;
  return FileRead::kRefused;
}

}  // namespace

FileRead ReadFileOfSize(const std::string& path, size_t min_bytes, size_t max_bytes,
                        std::vector<uint8_t>& bytes, std::string& error) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  const Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.fd() < 0) {
    if (errno == ENOENT) return FileRead::kMissing;
    return Refuse(error, path, std::strerror(errno));
  }
  struct stat info {};
  if (fstat(file.fd(), &info) != 0) return Refuse(error, path, std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return Refuse(error, path, "not a regular file");
  const auto size = static_cast<uint64_t>(info.st_size);
  if (const auto refusal = SizeRefusal(size, min_bytes, max_bytes)) {
    return Refuse(error, path, *refusal);
  }
  std::vector<uint8_t> read_bytes(size + 1);
  size_t done = 0;
  while (done < read_bytes.size()) {
    const ssize_t got = read(file.fd(), read_bytes.data() + done, read_bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refuse(error, path, std::strerror(errno));
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  // The size is checked again on what was read: the file may change under us.
  if (done != size) return Refuse(error, path, "changed while it was read");
  read_bytes.resize(size);
  bytes = std::move(read_bytes);
  return FileRead::kOk;
}

}  // namespace orvane::util
