#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace orvane::platform {

// An opened vendor driver device: one control request at a time, with an
// input buffer and an output buffer, as the driver defines them.
class DriverDevice {
 public:
  virtual ~DriverDevice() = default;
  // False when the request did not go through.
  virtual bool Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) = 0;
};

// The devices of the vendor driver's interface class, by path.
class DriverBackend {
 public:
  virtual ~DriverBackend() = default;
  virtual std::vector<std::string> InterfacePaths() = 0;
  // Nothing when the path cannot be opened.
  virtual std::unique_ptr<DriverDevice> Open(const std::string& path) = 0;
};

// The vendor driver's devices on this system (on Linux, those the mouse
// emulator publishes).
std::unique_ptr<DriverBackend> MakeSystemDriverBackend();

}  // namespace orvane::platform
