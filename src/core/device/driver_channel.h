#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/driver_backend.h"

// The vendor driver's store and its three requests, as the program uses
// them in driver mode.
namespace orvane::device {

// Device type 0x22, functions 0xF81..0xF83, buffered, any access.
constexpr uint32_t kDrvRead = 0x223E04;
constexpr uint32_t kDrvWrite = 0x223E08;
constexpr uint32_t kDrvGetState = 0x223E0C;
constexpr const char* kDriverInterfaceClass = "{5B1E7C2A-9D04-4F3B-A6C1-3E8F20D7B914}";

// Store addresses.
constexpr uint32_t kDrvParameterA = 0;     // 48 bytes
constexpr uint32_t kDrvParameterB = 48;    // 8 bytes
constexpr uint32_t kDrvProfileKeys = 64;   // 55 bytes
constexpr uint32_t kDrvStateInDump = 160;  // 4 bytes, inside whole-store files
constexpr uint32_t kDrvFireKey = 240;      // 2 zero bytes, then FireKey's 11
constexpr uint32_t kDrvMacroBlocks = 256;  // 2048 bytes a block
constexpr uint32_t kDrvMacroBlockBytes = 2048;
constexpr uint32_t kDrvLoadBytes = 102400;  // a whole store as loaded from a file

using DrvState = std::array<uint8_t, 4>;

// The link number a driver device path carries in its characters 55 to 58
// (1-based), read as hexadecimal; nothing for a path too short or other
// characters there.
std::optional<uint16_t> LinkNumberOfPath(const std::string& path);

// The driver device whose path carries link number `link`, opened; nothing
// when none matches or the match cannot be opened.
std::unique_ptr<platform::DriverDevice> OpenDriver(platform::DriverBackend& backend, uint16_t link);

// DrvRead: `length` bytes from `address`; nothing when the request failed.
std::optional<std::vector<uint8_t>> DrvRead(platform::DriverDevice& device, uint32_t address,
                                            uint32_t length);
// DrvWrite: `data` at `address`.
bool DrvWrite(platform::DriverDevice& device, uint32_t address, std::span<const uint8_t> data);
// DrvGetState: the live state the driver keeps.
std::optional<DrvState> DrvGetState(platform::DriverDevice& device);

}  // namespace orvane::device
