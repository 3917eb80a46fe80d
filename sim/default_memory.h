#pragma once

#include "sim/mouse_firmware.h"

namespace orvane::sim {

// What a fresh mouse holds before anyone configured it.
Memory DefaultMemory();

}  // namespace orvane::sim
