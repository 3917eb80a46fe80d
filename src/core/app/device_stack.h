#pragma once

#include <string>

#include "core/app/org_settings.h"
#include "core/config/data_buf.h"
#include "core/device/device_link.h"
#include "core/device/device_sessions.h"
#include "platform/driver_backend.h"
#include "platform/pacer.h"

namespace orvane::app {

// The product settings of the embedded [org] table.
OrgSettings ShippedOrgSettings();

// What the sessions take from the product settings: the accepted identities
// (the default image's and the reserve pair) and where files of fixed name
// live (MacroPath, else the program's folder).
device::SessionSettings SessionSettingsFor(const OrgSettings& org, const std::string& exe_dir);

// The mouse as the program reaches it: the device link, the configuration
// it edits and the sessions over both, with the vendor driver's devices in
// driver mode. The window and orvanectl build it here, so the command line
// meets the mouse exactly as the window does.
struct DeviceStack {
  DeviceStack(platform::Pacer& pacer, device::SessionUi& ui, const OrgSettings& org,
              const std::string& exe_dir, platform::DriverBackend* driver = nullptr)
      : link(pacer),
        sessions(link, configuration, ui, pacer, SessionSettingsFor(org, exe_dir), driver) {}

  config::Configuration configuration;
  device::DeviceLink link;
  device::DeviceSessions sessions;
};

}  // namespace orvane::app
