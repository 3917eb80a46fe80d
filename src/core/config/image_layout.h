#pragma once

#include <array>
#include <cstdint>

// Where everything lives in the mouse's 2048-byte memory.
namespace orvane::config {

constexpr int kImageSize = 2048;
using Image = std::array<uint8_t, kImageSize>;

struct Region {
  uint16_t address;
  uint16_t length;
};

constexpr Region kParameterA{0x000, 48};
constexpr Region kParameterB{0x030, 8};
constexpr Region kProfileKeys{0x040, 55};
constexpr Region kFirePointerTable{0x080, 30};
constexpr Region kFireYOffsetTable{0x0B0, 20};
constexpr Region kFireColorTable{0x0D0, 30};
constexpr Region kFireKey{0x0F0, 11};
constexpr Region kMacroSlots1To4{0x100, 1024};
constexpr Region kFireMacroBlock{0x500, 256};
constexpr Region kMacroSlots5To6{0x600, 512};

// The maker and product identifier bytes (ParameterB bytes 6 and 7) that
// tell whether a mouse is one this program may configure.
constexpr Region kIdentifiers{0x036, 2};

constexpr int kFireSlotCount = 10;
constexpr int kFireSlotBytes = 24;

}  // namespace orvane::config
