#pragma once

#include <string>

#include "core/device/driver_channel.h"

namespace orvane::device {

// In driver mode the mouse's live state (current DPI level, lighting mode,
// light on or off, smoothing) is kept by the driver beside its store rather
// than in the sections; the pages that show it fill and show it here.
class LiveStatePages {
 public:
  virtual ~LiveStatePages() = default;
  // Before a driver-mode write: the live state as the pages hold it, with
  // what the pages do not show taken from `from_driver`.
  virtual DrvState FillLiveState(const DrvState& from_driver) = 0;
  // After a driver-mode read: the pages show the driver's live state.
  virtual void ShowLiveState(const DrvState& state) = 0;
  // The LED type the mouse reported ("SyncLED", "BreLED", "RBLED", "MCULED").
  virtual void ShowLedType(const std::string& led_type_name) = 0;
};

}  // namespace orvane::device
