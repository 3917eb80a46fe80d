#include "sim/driver_store.h"

#include <algorithm>
#include <cstdio>

#include "core/device/driver_channel.h"

namespace orvane::sim {

namespace {

constexpr size_t kHeaderBytes = 8;

uint32_t LittleEndian(std::span<const uint8_t> bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

class StoreDevice : public platform::DriverDevice {
 public:
  explicit StoreDevice(std::shared_ptr<DriverStore> store) : store_(std::move(store)) {}
  bool Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) override {
    return store_->Control(code, in, out);
  }

 private:
  std::shared_ptr<DriverStore> store_;
};

}  // namespace

void DriverStore::Format(std::span<const uint8_t> image) {
  std::fill(bytes_.begin(), bytes_.end(), 0);
  // ParameterA, ParameterB and ProfileKeys lie where the mouse keeps them;
  // FireKey follows two zero bytes at 240.
  std::copy_n(image.begin(), device::kDrvStateInDump, bytes_.begin());
  std::copy_n(image.begin() + device::kDrvFireKey, 11, bytes_.begin() + device::kDrvFireKey + 2);
  SetState({0x00, 0x01, 0x00, image[6]});
}

std::array<uint8_t, 4> DriverStore::State() const {
  std::array<uint8_t, 4> state{};
  std::copy_n(bytes_.begin() + device::kDrvStateInDump, state.size(), state.begin());
  return state;
}

void DriverStore::SetState(const std::array<uint8_t, 4>& state) {
  std::copy(state.begin(), state.end(), bytes_.begin() + device::kDrvStateInDump);
}

bool DriverStore::Control(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) {
  ++requests_;
  if (code == device::kDrvGetState) {
    if (out.size() < 4 || refuse_reads) return false;
    const auto state = State();
    std::copy(state.begin(), state.end(), out.begin());
    return true;
  }
  if (code != device::kDrvRead && code != device::kDrvWrite) return false;
  if (in.size() < kHeaderBytes) return false;
  const uint64_t address = LittleEndian(in.subspan(0, 4));
  const uint64_t length = LittleEndian(in.subspan(4, 4));
  if (address + length > bytes_.size()) return false;
  const auto at = bytes_.begin() + static_cast<long>(address);
  if (code == device::kDrvRead) {
    if (out.size() < kHeaderBytes + length || refuse_reads) return false;
    std::copy_n(at, length, out.begin() + kHeaderBytes);
    return true;
  }
  if (in.size() < kHeaderBytes + length) return false;
  std::copy_n(in.begin() + kHeaderBytes, length, at);
  ++writes_;
  return true;
}

std::string DriverDevicePath(uint16_t link) {
  std::string path = "\\\\?\\root#orvane_mouse_driver#";
  path.resize(54, '0');
  char digits[5];
  std::snprintf(digits, sizeof(digits), "%04X", link);
  return path + digits + "#" + device::kDriverInterfaceClass;
}

std::vector<std::string> SimDriverBus::InterfacePaths() {
  std::vector<std::string> paths;
  for (const auto& [path, store] : stores_)
    paths.push_back(path);
  return paths;
}

std::unique_ptr<platform::DriverDevice> SimDriverBus::Open(const std::string& path) {
  const auto found = stores_.find(path);
  if (found == stores_.end()) return nullptr;
  return std::make_unique<StoreDevice>(found->second);
}

}  // namespace orvane::sim
