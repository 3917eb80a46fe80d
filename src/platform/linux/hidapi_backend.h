#pragma once

#include "platform/hid_backend.h"

namespace orvane::platform {

// Real HID devices through hidapi (hidraw on Linux).
class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();

  std::vector<std::string> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;
};

}  // namespace orvane::platform
