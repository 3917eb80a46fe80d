#pragma once

namespace orvane::ui {

// Looks for a top-level window whose caption is exactly `caption` on the X
// display; when there is one, restores and raises it and returns true.
bool RaiseRunningInstance(const char* caption);

}  // namespace orvane::ui
