#pragma once

#include <memory>
#include <string>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/common/virtual_pacer.h"
#include "sim/mouse_firmware.h"
#include "sim/sim_hid_bus.h"

namespace orvane::testing {

// An emulated mouse on an in-process bus, opened through the device link,
// in virtual time.
struct EmulatedMouse {
  EmulatedMouse() {
    config_path = bus.PlugMouse("mouse", firmware);
    uint32_t version = device::kWantedVersion;
    opened = device::OpenMouse(bus, link, 0x2E71, 0x0D45, version);
  }

  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  std::shared_ptr<sim::MouseFirmware> firmware = std::make_shared<sim::MouseFirmware>();
  device::DeviceLink link{pacer};
  std::string config_path;
  bool opened = false;
};

}  // namespace orvane::testing
