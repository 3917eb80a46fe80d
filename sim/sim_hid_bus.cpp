#include "sim/sim_hid_bus.h"

#include <algorithm>

namespace orvane::sim {

class SimHidBus::Connection : public platform::HidConnection {
 public:
  Connection(std::shared_ptr<Interface> interface, std::shared_ptr<Counters> counters)
      : interface_(std::move(interface)), counters_(std::move(counters)) {}
  ~Connection() override { UnlockExclusive(); }

  std::optional<platform::HidAttributes> Attributes() override {
    if (!Alive()) return std::nullopt;
    return interface_->collection.attributes;
  }

  int FeatureReportLength() override { return Alive() ? interface_->collection.feature_length : 0; }

  bool SetFeature(std::span<const uint8_t> report) override {
    ++counters_->feature_calls;
    return Alive() && interface_->firmware &&
           CollectionSetFeature(interface_->collection, *interface_->firmware, report);
  }

  bool GetFeature(std::span<uint8_t> report) override {
    ++counters_->feature_calls;
    return Alive() && interface_->firmware &&
           CollectionGetFeature(interface_->collection, *interface_->firmware, report);
  }

  bool Gone() const override { return !Alive(); }

  // One holder per device, as the advisory lock on a device node gives.
  bool TryLockExclusive() override {
    const Connection*& holder = counters_->lock_holders[interface_->device];
    if (holder != nullptr && holder != this) return false;
    holder = this;
    return true;
  }

  void UnlockExclusive() override {
    auto& holders = counters_->lock_holders;
    if (const auto held = holders.find(interface_->device);
        held != holders.end() && held->second == this) {
      holders.erase(held);
    }
  }

 private:
  bool Alive() const { return SimHidBus::Present(*interface_); }

  std::shared_ptr<Interface> interface_;
  std::shared_ptr<Counters> counters_;
};

std::string SimHidBus::PlugMouse(const std::string& name, std::shared_ptr<MouseFirmware> firmware,
                                 const MouseHardware& hardware) {
  std::string config_path;
  for (const Collection& collection : MouseCollections(hardware)) {
    auto interface = std::make_shared<Interface>();
    interface->device = name;
    interface->path = "sim:" + name + "/" + collection.name;
    interface->collection = collection;
    interface->firmware = firmware;
    if (collection.configuration) config_path = interface->path;
    interfaces_.push_back(std::move(interface));
  }
  return config_path;
}

std::string SimHidBus::PlugDevice(const std::string& name, platform::HidAttributes attributes,
                                  int feature_length, bool openable) {
  auto interface = std::make_shared<Interface>();
  interface->device = name;
  interface->path = "sim:" + name;
  interface->collection = {name, attributes, feature_length, false};
  interface->openable = openable;
  interfaces_.push_back(interface);
  return interface->path;
}

void SimHidBus::Unplug(const std::string& name) {
  for (auto& interface : interfaces_) {
    if (interface->device == name) interface->present = false;
  }
  std::erase_if(interfaces_, [&](const auto& interface) { return interface->device == name; });
}

bool SimHidBus::Present(const Interface& interface) {
  return interface.present && !(interface.firmware && interface.firmware->Unplugged());
}

std::vector<std::string> SimHidBus::Enumerate() {
  std::vector<std::string> paths;
  for (const auto& interface : interfaces_) {
    if (Present(*interface)) paths.push_back(interface->path);
  }
  return paths;
}

std::unique_ptr<platform::HidConnection> SimHidBus::Open(const std::string& path) {
  ++counters_->opens;
  const auto found = std::find_if(interfaces_.begin(), interfaces_.end(),
                                  [&](const auto& interface) { return interface->path == path; });
  if (found == interfaces_.end() || !Present(**found) || !(*found)->openable) return nullptr;
  return std::make_unique<Connection>(*found, counters_);
}

}  // namespace orvane::sim
