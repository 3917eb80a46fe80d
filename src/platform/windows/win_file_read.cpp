#include <windows.h>

#include <vector>

#include "platform/common/file_size_check.h"
#include "platform/file_read.h"
#include "platform/windows/win_error.h"

namespace orvane::util {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

FileRead Refuse(std::string& error, const std::string& path, const std::string& why) {
  error = path + ": " + why;
  return FileRead::kRefused;
}

bool IsRegularFile(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION info{};
  return GetFileType(file) == FILE_TYPE_DISK && GetFileInformationByHandle(file, &info) &&
         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

FileRead ReadFileOfSize(const std::string& path, size_t min_bytes, size_t max_bytes,
                        std::vector<uint8_t>& bytes, std::string& error) {
  // Folders open only with backup semantics, so one is refused below as
  // not a regular file rather than with a puzzling access error.
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return FileRead::kMissing;
    return Refuse(error, path, platform::windows::SystemMessage(code));
  }
  if (!IsRegularFile(file.get())) return Refuse(error, path, "not a regular file");
  LARGE_INTEGER file_size{};
  if (!GetFileSizeEx(file.get(), &file_size)) {
    return Refuse(error, path, platform::windows::SystemMessage(GetLastError()));
  }
  const auto size = static_cast<uint64_t>(file_size.QuadPart);
  if (const auto refusal = SizeRefusal(size, min_bytes, max_bytes)) {
    return Refuse(error, path, *refusal);
  }
  std::vector<uint8_t> read_bytes(size + 1);
  size_t done = 0;
  while (done < read_bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), read_bytes.data() + done,
                  static_cast<DWORD>(read_bytes.size() - done), &got, nullptr)) {
      return Refuse(error, path, platform::windows::SystemMessage(GetLastError()));
    }
    if (got == 0) break;
    done += got;
  }
  // The size is checked again on what was read: the file may change under us.
  if (done != size) return Refuse(error, path, "changed while it was read");
  read_bytes.resize(size);
  bytes = std::move(read_bytes);
  return FileRead::kOk;
}

}  // namespace orvane::util
