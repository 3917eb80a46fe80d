#pragma once

#include <optional>
#include <span>

#include "core/fire/fire_macros.h"
#include "core/macro/macro_lines.h"

// The fire editor's two operations without controls: a slot into event
// lines, and event lines compiled back into the slot.
namespace orvane::fire {

struct DecodedFireSlot {
  macro::MacroLines lines;              // header "00" first; empty for an empty slot
  std::optional<bool> stop_on_release;  // neither for a flag other than 0 or 1
};

DecodedFireSlot DecodeFireSlot(std::span<const uint8_t, kSlotBytes> slot);
// False, and the slot untouched, when the events do not fit its 21 bytes
// (the caller shows "Macro bin length out of range").
bool CompileFireSlot(const macro::MacroLines& lines, bool stop_on_release,
                     std::span<uint8_t, kSlotBytes> slot);

}  // namespace orvane::fire
