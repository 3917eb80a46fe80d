#pragma once

namespace orvane::device {

// The busy window, as the device layer sees it: block transfers show it
// (centred on the main window) before every chunk.
class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  virtual void ShowBusy() = 0;
};

}  // namespace orvane::device
