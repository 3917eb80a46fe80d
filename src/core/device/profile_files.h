#pragma once

#include <string>

namespace orvane::device {

// The file a profile is saved to: the chosen name, with ".bin" appended
// unless it already ends so.
std::string ProfileFileName(const std::string& chosen);

}  // namespace orvane::device
