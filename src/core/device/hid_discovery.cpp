#include "core/device/hid_discovery.h"

namespace orvane::device {

int CountHidInterfaces(platform::HidBackend& backend) {
  int count = 0;
  for (const auto& path : backend.Enumerate()) {
    if (backend.Open(path) != nullptr) ++count;  // closed again as it goes out of scope
  }
  return count;
}

bool OpenMouse(platform::HidBackend& backend, DeviceLink& link, uint32_t vid, uint32_t pid,
               uint32_t& version) {
  std::unique_ptr<platform::HidConnection> match;
  std::string match_path;
  for (const auto& path : backend.Enumerate()) {
    auto handle = backend.Open(path);
    if (!handle) continue;
    const auto attributes = handle->Attributes();
    const int feature_len = handle->FeatureReportLength();
    if (!attributes || feature_len != kFeatureReportLength) continue;
    if (attributes->vendor_id == vid && attributes->product_id == pid &&
        attributes->version == version) {
      // Several matches: the last in enumeration order is kept, the earlier
      // handle closed rather than leaked.
      match = std::move(handle);
      match_path = path;
    }
  }
  if (!match) return false;
  const auto attributes = match->Attributes();
  link.Attach(std::move(match), std::move(match_path), vid, pid, kFeatureReportLength);
  if (attributes) version = attributes->version;
  return true;
}

}  // namespace orvane::device
