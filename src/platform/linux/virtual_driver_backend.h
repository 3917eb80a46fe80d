#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/driver_backend.h"

namespace orvane::platform {

// The vendor driver's devices published as sockets by the mouse emulator,
// beside its HID interfaces: each socket tells the device path a driver
// device would have (with the link number where the program reads it) and
// answers the driver's control requests.
class VirtualDriverBackend : public DriverBackend {
 public:
  // A whole-store request moves 100 KB: more than a feature report's time.
  static constexpr int kCallTimeoutMs = 2000;

  // `folder` empty: the per-user runtime folder.
  explicit VirtualDriverBackend(std::string folder = {});

  std::vector<std::string> InterfacePaths() override;
  std::unique_ptr<DriverDevice> Open(const std::string& path) override;

 private:
  std::string folder_;
  std::map<std::string, std::string> sockets_;  // device path -> socket, as last listed
};

}  // namespace orvane::platform
