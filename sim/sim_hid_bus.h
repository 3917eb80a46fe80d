#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid_backend.h"
#include "sim/mouse_collections.h"
#include "sim/mouse_firmware.h"

namespace orvane::sim {

// An in-process HID bus for tests: emulated mice and other HID devices are
// plugged and unplugged at will, and every call that reaches a device is
// counted.
class SimHidBus : public platform::HidBackend {
 public:
  class Connection;
  struct Counters {
    int opens = 0;
    int feature_calls = 0;  // set and get feature
    // The connection holding each device's exclusive lock.
    std::map<std::string, const Connection*> lock_holders;
  };

  // Plugs a mouse; its collections appear after those already present.
  // Returns the path of its configuration collection.
  std::string PlugMouse(const std::string& name, std::shared_ptr<MouseFirmware> firmware,
                        const MouseHardware& hardware = {});
  // Plugs some other HID device with one collection.
  std::string PlugDevice(const std::string& name, platform::HidAttributes attributes,
                         int feature_length, bool openable = true);
  // Every interface of the named device disappears.
  void Unplug(const std::string& name);

  std::vector<std::string> Enumerate() override;
  std::unique_ptr<platform::HidConnection> Open(const std::string& path) override;

  const Counters& counters() const { return *counters_; }

 private:
  struct Interface {
    std::string device;
    std::string path;
    Collection collection;
    std::shared_ptr<MouseFirmware> firmware;  // none for other devices
    bool openable = true;
    bool present = true;
  };

  static bool Present(const Interface& interface);

  std::vector<std::shared_ptr<Interface>> interfaces_;
  std::shared_ptr<Counters> counters_ = std::make_shared<Counters>();
};

}  // namespace orvane::sim
