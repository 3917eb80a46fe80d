#pragma once

#include <windows.h>

#include <string>

namespace orvane::platform::windows {

// The system's own words for an error code, without the trailing period
// and line break ("The system cannot find the file specified").
std::string SystemMessage(DWORD code);

}  // namespace orvane::platform::windows
