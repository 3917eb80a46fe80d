#pragma once

#include <cstdint>
#include <span>

namespace orvane::platform {

// Length in bytes of the longest feature report a HID report descriptor
// declares, counting the report id byte as the HID capabilities do (a
// descriptor without report ids still gets the byte for id 0). 0 when the
// descriptor declares no feature report.
int FeatureReportLengthFromDescriptor(std::span<const uint8_t> descriptor);

}  // namespace orvane::platform
