#pragma once

#include <array>
#include <cstdint>

#include "core/pages/dpi_page.h"
#include "core/pages/lighting_page.h"

namespace orvane::pages {

// The mouse's live state in driver mode: what it applies at once, kept by
// the driver beside its store.
//   0: the current DPI level, 0-based, in bits 0..3; bit 7: smoothing on
//   1: the current lighting mode + 1 in bits 0..2; bit 3: the light off
//   2: the driver's own, passed on as it came
//   3: the DPI value index of the current level
using DrvState = std::array<uint8_t, 4>;

// Before a driver-mode write: the live state as the pages hold it.
DrvState FillDrvState(const DpiPageState& dpi, const LightingPageState& lighting, bool smoothing,
                      const DrvState& from_driver);

// After a driver-mode read: the pages show the live state the driver gave.
// A level or mode out of range leaves that choice as the pages had it.
// Returns whether smoothing is on.
bool ShowDrvState(const DrvState& state, DpiPage& dpi, LightingPage& lighting);

}  // namespace orvane::pages
