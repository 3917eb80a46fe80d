#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/mouse_collections.h"
#include "sim/mouse_firmware.h"

namespace orvane::sim {

struct SimOptions {
  std::string memory_file;        // empty: the memory starts as the default image
  std::string driver_store_file;  // not empty: the vendor driver's device is published too
  std::string device_name = "orvane-mouse";
  MouseHardware hardware;
  FirmwareIdentity identity;
  FirmwareFaults faults;
  bool help = false;
};

// Parses the emulator's command line (without the program name). On a bad
// option returns nothing and says why in `error`.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

std::string SimUsage();

}  // namespace orvane::sim
