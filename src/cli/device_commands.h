#pragma once

#include <atomic>
#include <cstdio>

#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::cli {

// `orvanectl list`: every HID interface found, and which one is the mouse.
int ListInterfaces(platform::HidBackend& backend, std::FILE* out);

// `orvanectl watch`: the program's connection watch, printing each change:
// the mouse opened and identified, or gone. Runs `ticks` polls (0 = until
// `stop` is set), one every 2.5 s, the first one 2.5 s after start.
int WatchDevice(platform::HidBackend& backend, platform::Pacer& pacer, int ticks,
                const std::atomic<bool>& stop, std::FILE* out);

}  // namespace orvane::cli
