// Replacing a file whole on Windows: a temporary file beside it, written
// through to the disk, then swapped in with ReplaceFile (which keeps the
// old file's attributes and permissions) or, for a new file, moved into
// place with write-through.
#include <windows.h>

#include <random>
#include <string>

#include "platform/atomic_file.h"
#include "platform/windows/win_error.h"

namespace orvane::util {

namespace {

bool Fail(std::string* error, const std::string& what, const std::string& path, DWORD code) {
  if (error != nullptr) *error = what + " " + path + ": " + platform::windows::SystemMessage(code);
  return false;
}

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string Folder(const std::string& path) {
  const auto slash = LastSeparator(path);
  return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

std::string BaseName(const std::string& path) {
  const auto slash = LastSeparator(path);
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// ".Macro.bin.orvane-<pid>-": the writer's process id tells whether a
// temporary file is still being written or was left by a writer that died.
std::string TemporaryPrefix(const std::string& base) { return "." + base + ".orvane-"; }

bool ProcessAlive(DWORD pid) {
  const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool alive = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
  CloseHandle(process);
  return alive;
}

void RemoveStaleTemporaries(const std::string& folder, const std::string& base) {
  const std::string prefix = TemporaryPrefix(base);
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((folder + "\\" + prefix + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    const unsigned long pid = std::strtoul(name.c_str() + prefix.size(), nullptr, 10);
    const bool plain_file = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (plain_file && pid != 0 && !ProcessAlive(pid)) DeleteFileA((folder + "\\" + name).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

HANDLE CreateTemporary(const std::string& target, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = Folder(target) + "\\" + TemporaryPrefix(BaseName(target)) +
                std::to_string(GetCurrentProcessId()) + "-" + std::to_string(random());
    const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return FlushFileBuffers(file) != FALSE;
}

// The program's paths are in the ANSI code page, as every other file call
// of it takes them; the replacing calls get them as wide strings.
std::wstring Wide(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  wide.resize(wide.size() - 1);
  return wide;
}

// The new contents take the old file's place (ReplaceFile keeps its
// attributes and permissions); a file that is not there yet is moved in.
bool SwapIn(const std::string& temporary, const std::string& target, bool exists) {
  const std::wstring from = Wide(temporary);
  const std::wstring to = Wide(target);
  if (exists && ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                             nullptr, nullptr)) {
    return true;
  }
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0) {
    if (error != nullptr) *error = "will not replace " + path + ": it is not a regular file";
    return false;
  }
  RemoveStaleTemporaries(Folder(path), BaseName(path));
  std::string temporary;
  const HANDLE file = CreateTemporary(path, temporary);
  if (file == INVALID_HANDLE_VALUE) {
    return Fail(error, "cannot create a temporary file for", path, GetLastError());
  }
  const bool written = WriteAll(file, bytes);
  DWORD code = written ? ERROR_SUCCESS : GetLastError();
  CloseHandle(file);
  if (written && !SwapIn(temporary, path, exists)) code = GetLastError();
  if (code != ERROR_SUCCESS) {
    DeleteFileA(temporary.c_str());
    return Fail(error, "cannot write", path, code);
  }
  return true;
}

}  // namespace orvane::util
