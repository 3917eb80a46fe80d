#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Text travels as UTF-8 inside the program; macro names and language tables
// store UTF-16. Malformed input becomes U+FFFD, never an error.
namespace orvane::util {

std::vector<uint16_t> Utf8ToUtf16(const std::string& text);
// Stops at nothing: every unit is converted, including zeros.
std::string Utf16ToUtf8(std::span<const uint16_t> units);

}  // namespace orvane::util
