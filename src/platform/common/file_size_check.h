#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvane::util {

// Why a file of `size` bytes is refused when `min_bytes` to `max_bytes`
// are wanted ("holds 100 bytes, not 2048"); nothing when it fits.
std::optional<std::string> SizeRefusal(uint64_t size, size_t min_bytes, size_t max_bytes);

}  // namespace orvane::util
