#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace orvane::util {

// Replaces the file at `path` with `bytes` as a whole: written to a temporary
// file beside it, flushed, renamed over the old one, and the folder flushed.
// A symlink is followed and its target replaced; an existing file keeps its
// permissions (and, where we may, its owner); anything that is not a regular
// file (a device, a FIFO, a folder) is refused untouched. On failure the old
// file is left as it was, no temporary file remains, and `error` says why.
// Temporary files that a killed writer left for the same file are removed.
bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes,
                         std::string* error = nullptr);

}  // namespace orvane::util
