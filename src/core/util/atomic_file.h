#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvane::util {

// Replaces the file at `path` with `bytes` as a whole: written to a temporary
// file beside it, flushed, then renamed over the old one. On failure the old
// file is left as it was and `error` says why.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr);

}  // namespace orvane::util
