#include "sim/mouse_collections.h"

namespace orvane::sim {

std::vector<Collection> MouseCollections(const MouseHardware& hardware) {
  const platform::HidAttributes attributes{hardware.vendor_id, hardware.product_id,
                                           hardware.version};
  return {
      {"col01-pointer", attributes, 0, false},
      {"col02-config", attributes, hardware.config_feature_length, true},
      {"col03-keyboard", attributes, 2, false},
  };
}

bool CollectionSetFeature(const Collection& collection, MouseFirmware& firmware,
                          std::span<const uint8_t> report) {
  if (firmware.Unplugged()) return false;
  return collection.configuration && firmware.SetFeature(report);
}

bool CollectionGetFeature(const Collection& collection, MouseFirmware& firmware,
                          std::span<uint8_t> report) {
  if (firmware.Unplugged()) return false;
  return collection.configuration && firmware.GetFeature(report);
}

}  // namespace orvane::sim
