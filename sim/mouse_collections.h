#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/device/hid_discovery.h"
#include "platform/hid_backend.h"
#include "sim/mouse_firmware.h"

namespace orvane::sim {

// The USB identity of an emulated mouse.
struct MouseHardware {
  uint16_t vendor_id = device::kMouseVendorId;
  uint16_t product_id = device::kMouseProductId;
  uint16_t version = device::kWantedVersion;
  int config_feature_length = 8;
};

// One HID top-level collection of the mouse. Only the configuration
// collection talks to the firmware; the others have no feature report of
// that length.
struct Collection {
  std::string name;
  platform::HidAttributes attributes;
  int feature_length = 0;
  bool configuration = false;
};

// The pointer collection (no feature reports), the configuration collection
// and a keyboard collection with a short feature report, in the order the
// mouse declares them.
std::vector<Collection> MouseCollections(const MouseHardware& hardware);

// A feature call on one collection of the mouse: the configuration
// collection hands it to the firmware, the others refuse it.
bool CollectionSetFeature(const Collection& collection, MouseFirmware& firmware,
                          std::span<const uint8_t> report);
bool CollectionGetFeature(const Collection& collection, MouseFirmware& firmware,
                          std::span<uint8_t> report);

}  // namespace orvane::sim
