#include <algorithm>

#include "platform/common/file_size_check.h"
#include "platform/file_read.h"

namespace orvane::util {

std::optional<std::string> SizeRefusal(uint64_t size, size_t min_bytes, size_t max_bytes) {
  if (size >= min_bytes && size <= max_bytes) return std::nullopt;
  const std::string wanted = min_bytes == max_bytes
                                 ? std::to_string(min_bytes)
                                 : std::to_string(min_bytes) + " to " + std::to_string(max_bytes);
  return "holds " + std::to_string(size) + " bytes, not " + wanted;
}

FileRead ReadExactFile(const std::string& path, std::span<uint8_t> bytes, std::string& error) {
  std::vector<uint8_t> read;
  const FileRead result = ReadFileOfSize(path, bytes.size(), bytes.size(), read, error);
  if (result == FileRead::kOk) std::copy(read.begin(), read.end(), bytes.begin());
  return result;
}

}  // namespace orvane::util
