#pragma once

#include <cstdint>

#include "core/device/device_link.h"
#include "platform/hid_backend.h"

namespace orvane::device {

// The Orvane Gaming Mouse. Its configuration collection is the one with
// 8-byte feature reports and this version number.
constexpr uint32_t kMouseVendorId = 0x2E71;
constexpr uint32_t kMouseProductId = 0x0D45;
constexpr uint32_t kWantedVersion = 0x0104;

// Present interfaces whose path can be opened; each is closed again at once.
int CountHidInterfaces(platform::HidBackend& backend);

// Examines every interface and keeps the last one whose vendor, product and
// version match and whose feature reports are 8 bytes long, attaching it to
// `link`. Writes the found version back. False (and `link` untouched) when
// nothing matched.
bool OpenMouse(platform::HidBackend& backend, DeviceLink& link, uint32_t vid, uint32_t pid,
               uint32_t& version);

}  // namespace orvane::device
