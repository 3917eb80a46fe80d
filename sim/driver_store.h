#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/driver_backend.h"

namespace orvane::sim {

// The vendor driver as the program sees it: a byte store behind its three
// control requests (read, write, the live state). The driver keeps the
// mouse's live state inside the store, at 160..163, where whole-store files
// carry it. Requests outside the store are refused and change nothing.
class DriverStore {
 public:
  // Room for a whole-store file as the program loads it.
  static constexpr size_t kStoreBytes = 102400;

  DriverStore() : bytes_(kStoreBytes, 0) {}

  // A fresh driver: the sections of a mouse image at the store's addresses,
  // the live state at level 1 with the first lighting mode.
  void Format(std::span<const uint8_t> image);

  bool Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out);

  std::vector<uint8_t>& bytes() { return bytes_; }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::array<uint8_t, 4> State() const;
  // The mouse applied a live state: the driver keeps it.
  void SetState(const std::array<uint8_t, 4>& state);
  int requests() const { return requests_; }
  int writes() const { return writes_; }

  // For tests: read requests fail from now on.
  bool refuse_reads = false;

 private:
  std::vector<uint8_t> bytes_;
  int requests_ = 0;
  int writes_ = 0;
};

// A driver device path that carries `link` where the program reads it
// (characters 55 to 58).
std::string DriverDevicePath(uint16_t link);

// Driver devices in the process, for tests: each path leads to its store.
class SimDriverBus : public platform::DriverBackend {
 public:
  void Plug(const std::string& path, std::shared_ptr<DriverStore> store) { stores_[path] = store; }
  void Unplug(const std::string& path) { stores_.erase(path); }

  std::vector<std::string> InterfacePaths() override;
  std::unique_ptr<platform::DriverDevice> Open(const std::string& path) override;

 private:
  std::map<std::string, std::shared_ptr<DriverStore>> stores_;
};

}  // namespace orvane::sim
