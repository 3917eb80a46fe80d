#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/config/action_codes.h"
#include "core/macro/macro_storage.h"

// The driver's macro table in driver mode: DriverMacros, block k at driver
// address 256 + 2048 k, played by the code 06/0E + (0x0120 + 2048 k).
namespace orvane::driver_macros {

using macro::DriverBlock;
using DriverMacros = std::vector<DriverBlock>;

constexpr uint32_t kTableAddress = 256;
// A 16-bit pointer reaches blocks 0..31.
constexpr int kAddressableBlocks = 32;

// Bytes of the table to read: blocks 0 up to the one the largest macro
// reference among the codes points into; 0 when no code refers to one.
uint32_t DriverTableReadLength(std::span<const config::ActionCode> codes);
// The blocks of the table's bytes, and the bytes of the blocks.
DriverMacros DriverTableBlocks(std::span<const uint8_t> bytes);
std::vector<uint8_t> DriverTableBytes(const DriverMacros& macros);
// The blocks of a DrvRead answer (its 8-byte header first).
DriverMacros ParseDriverTable(std::span<const uint8_t> answer);
// The DrvWrite request: address 256 and length, little-endian, then the blocks.
std::vector<uint8_t> DriverTableWriteBuffer(const DriverMacros& macros);

struct DriverAssignment {
  enum class Kind { kAssigned, kKeptLeftClick, kNoRoom } kind = Kind::kNoRoom;
  int block = 0;
  std::string code;     // the button's code when assigned
  std::string caption;  // the button's caption afterwards
};

// ChangeProfile1StringForDriverMode for a library block assigned to a button
// whose group shows `captions` (with `button` 1..9 about to show the macro's
// name). A block of the same name is reused; a new one is appended unless it
// would lie beyond what the pointer reaches ("storage space shortage").
DriverAssignment AssignDriverMacro(DriverMacros& macros, const DriverBlock& library_block,
                                   std::array<std::string, 9> captions, int button,
                                   const std::string& left_click_caption);

// RefreshDriverWriteMacro: every block takes bytes 32.. of the first library
// block of the same name.
void RefreshDriverWriteMacro(DriverMacros& macros, const std::vector<DriverBlock>& library);

}  // namespace orvane::driver_macros
