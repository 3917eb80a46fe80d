#pragma once

namespace orvane::platform {

// Looks for a top-level window whose caption is exactly `caption` on this
// desktop; when there is one, restores it, brings it to the front and
// returns true. Only one copy of the program is meant to run.
bool RaiseRunningInstance(const char* caption);

}  // namespace orvane::platform
