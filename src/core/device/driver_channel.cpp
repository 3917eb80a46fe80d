#include "core/device/driver_channel.h"

#include <algorithm>

#include "core/config/action_codes.h"

namespace orvane::device {

namespace {

constexpr size_t kLinkAt = 54;  // character 55, 0-based
constexpr size_t kLinkDigits = 4;
constexpr size_t kHeaderBytes = 8;

void PutLittleEndian(uint32_t value, uint8_t* at) {
  for (int i = 0; i < 4; ++i)
    at[i] = static_cast<uint8_t>(value >> (8 * i));
}

// The request buffer: address and length, little-endian, then the data.
std::vector<uint8_t> Header(uint32_t address, uint32_t length, size_t room) {
  std::vector<uint8_t> buffer(kHeaderBytes + room, 0);
  PutLittleEndian(address, buffer.data());
  PutLittleEndian(length, buffer.data() + 4);
  return buffer;
}

}  // namespace

std::optional<uint16_t> LinkNumberOfPath(const std::string& path) {
  if (path.size() < kLinkAt + kLinkDigits) return std::nullopt;
  uint16_t link = 0;
  for (size_t i = kLinkAt; i < kLinkAt + kLinkDigits; ++i) {
    const int digit = config::HexDigitValue(path[i]);
    if (digit < 0) return std::nullopt;
    link = static_cast<uint16_t>(link << 4 | digit);
  }
  return link;
}

std::unique_ptr<platform::DriverDevice> OpenDriver(platform::DriverBackend& backend,
                                                   uint16_t link) {
  for (const std::string& path : backend.InterfacePaths()) {
    if (LinkNumberOfPath(path) != link) continue;
    if (auto device = backend.Open(path)) return device;
  }
  return nullptr;
}

std::optional<std::vector<uint8_t>> DrvRead(platform::DriverDevice& device, uint32_t address,
                                            uint32_t length) {
  std::vector<uint8_t> buffer = Header(address, length, length);
  if (!device.Control(kDrvRead, buffer, buffer)) return std::nullopt;
  return std::vector<uint8_t>(buffer.begin() + kHeaderBytes, buffer.end());
}

bool DrvWrite(platform::DriverDevice& device, uint32_t address, std::span<const uint8_t> data) {
  std::vector<uint8_t> buffer = Header(address, static_cast<uint32_t>(data.size()), data.size());
  std::copy(data.begin(), data.end(), buffer.begin() + kHeaderBytes);
  return device.Control(kDrvWrite, buffer, {});
}

std::optional<DrvState> DrvGetState(platform::DriverDevice& device) {
  DrvState state{};
  if (!device.Control(kDrvGetState, {}, state)) return std::nullopt;
  return state;
}

}  // namespace orvane::device
