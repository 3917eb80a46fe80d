#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace orvane::util {

enum class FileRead {
  kOk,
  kMissing,  // there is no such file
  kRefused,  // not a regular file, the wrong size, or unreadable: `error` says which
};

// Reads a regular file that holds exactly `bytes.size()` bytes. Never waits
// on a FIFO or a device, and never takes part of a file: on anything but
// kOk, `bytes` is left as it was.
FileRead ReadExactFile(const std::string& path, std::span<uint8_t> bytes, std::string& error);

// The same for a file of `min_bytes` to `max_bytes` bytes, all of which
// are taken.
FileRead ReadFileOfSize(const std::string& path, size_t min_bytes, size_t max_bytes,
                        std::vector<uint8_t>& bytes, std::string& error);

}  // namespace orvane::util
