#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <random>

namespace orvane::util {

namespace {

struct Target {
  std::string path;  // the file itself, symlinks followed
  std::optional<struct stat> existing;
};

bool Fail(std::string* error, const std::string& what, const std::string& path) {
  if (error != nullptr) *error = what + " " + path + ": " + std::strerror(errno);
  return false;
}

bool Refuse(std::string* error, const std::string& path, const std::string& why) {
  if (error != nullptr) *error = "will not replace " + path + ": " + why;
  return false;
}

std::string Folder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symlinks to the file they name, as an editor saving through a
// link would; the link itself stays.
std::optional<Target> ResolveTarget(std::string path, std::string* error) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0) {
      if (errno == ENOENT) return Target{path, std::nullopt};
      Fail(error, "cannot look at", path);
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) return Target{path, info};
    std::string link(4096, '\0');
    const ssize_t length = readlink(path.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<size_t>(length) >= link.size()) {
      Fail(error, "cannot follow", path);
      return std::nullopt;
    }
    link.resize(static_cast<size_t>(length));
    path = link[0] == '/' ? link : Folder(path) + "/" + link;
  }
  errno = ELOOP;
  Fail(error, "cannot follow", path);
  return std::nullopt;
}

// ".Macro.bin.orvane-<pid>-" : the writer's process id tells whether a
// temporary file is still being written or was left by a writer that died.
std::string TemporaryPrefix(const std::string& base) { return "." + base + ".orvane-"; }

void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::string prefix = TemporaryPrefix(base);
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.rfind(prefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    const bool writer_alive = pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
    struct stat info {};
    const std::string path = folder + "/" + name;
    if (!writer_alive && lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        info.st_uid == geteuid()) {
      unlink(path.c_str());
    }
  }
  closedir(dir);
}

// A new temporary file beside the target, with the mode the result should
// have: the existing file's, or what a plain create would give.
int CreateTemporary(const Target& target, std::string& temporary) {
  std::random_device random;
  const mode_t mode = target.existing ? (target.existing->st_mode & 07777) : 0666;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = Folder(target.path) + "/" + TemporaryPrefix(BaseName(target.path)) +
                std::to_string(getpid()) + "-" + std::to_string(random());
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0666);
    if (fd >= 0) {
      if (target.existing) {
        // As root, give the file back to whoever owned it; otherwise this
        // fails harmlessly and the file becomes ours, as any save makes it.
        (void)!fchown(fd, target.existing->st_uid, target.existing->st_gid);
        fchmod(fd, mode);
      }
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
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

// After the rename the new name lives in the folder: flush that too, or a
// power cut can still bring back the old file (or none).
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error) {
  const auto target = ResolveTarget(path, error);
  if (!target) return false;
  if (target->existing && !S_ISREG(target->existing->st_mode)) {
    return Refuse(error, path, "it is not a regular file");
  }
  const std::string folder = Folder(target->path);
  RemoveStaleTemporaries(folder, BaseName(target->path));
  std::string temporary;
  const int fd = CreateTemporary(*target, temporary);
  if (fd < 0) return Fail(error, "cannot create a temporary file for", path);
  bool ok = WriteAll(fd, bytes) && fsync(fd) == 0;
  int saved_errno = ok ? 0 : errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    saved_errno = errno;
  }
  if (ok && rename(temporary.c_str(), target->path.c_str()) != 0) {
    ok = false;
    saved_errno = errno;
  }
  if (!ok) {
    unlink(temporary.c_str());
    errno = saved_errno;
    return Fail(error, "cannot write", path);
  }
  SyncFolder(folder);
  return true;
}

}  // namespace orvane::util
