#pragma once

#include <atomic>
#include <cstdio>
#include <string>

#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::cli {

// `orvanectl list`: every HID interface found, and which one is the mouse.
// `notice`, when not empty, is printed first: what the system's backend
// cannot see, and why.
int ListInterfaces(platform::HidBackend& backend, const std::string& notice, std::FILE* out);

// `orvanectl watch`: the program's connection watch, printing each change:
// the mouse opened, identified and read as the window reads it, or gone.
// Runs `ticks` polls (0 = until `stop` is set), one every 2.5 s, the first
// one 2.5 s after start.
int WatchDevice(platform::HidBackend& backend, platform::Pacer& pacer, int ticks,
                const std::atomic<bool>& stop, const std::string& exe_dir, std::FILE* out,
                std::FILE* err);

}  // namespace orvane::cli
