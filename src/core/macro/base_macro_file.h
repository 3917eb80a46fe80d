#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/macro/macro_slots.h"

namespace orvane::macro {

// A base-macro file: the mouse's macro slots 1 to 4 (name and body each) in
// its first 1024 bytes.
constexpr size_t kBaseMacroFileBytes = 4 * kSlotBytes;
using BaseMacroSlots = std::array<uint8_t, kBaseMacroFileBytes>;

// The four slots of a base-macro file, each an empty slot or a body whose
// length fits and whose checksum matches. Nothing, and `why`, for a shorter
// file or a slot that is neither: such a file is not written to a mouse.
std::optional<BaseMacroSlots> ReadBaseMacroFile(std::span<const uint8_t> bytes, std::string& why);

}  // namespace orvane::macro
