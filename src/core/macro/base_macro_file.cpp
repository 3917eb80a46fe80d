#include "core/macro/base_macro_file.h"

#include <algorithm>

namespace orvane::macro {

std::optional<BaseMacroSlots> ReadBaseMacroFile(std::span<const uint8_t> bytes, std::string& why) {
  if (bytes.size() < kBaseMacroFileBytes) {
    why = "a base-macro file holds at least " + std::to_string(kBaseMacroFileBytes) +
          " bytes; this one has " + std::to_string(bytes.size());
    return std::nullopt;
  }
  BaseMacroSlots slots{};
  std::copy_n(bytes.begin(), kBaseMacroFileBytes, slots.begin());
  for (size_t slot = 0; slot < 4; ++slot) {
    MacroBody body{};
    std::copy_n(slots.begin() + static_cast<long>(slot * kSlotBytes + kNameBytes), kBodyBytes,
                body.begin());
    const bool empty = std::all_of(body.begin(), body.end(), [](uint8_t b) { return b == 0; });
    if (!empty && !CheckMacroBody(body)) {
      why = "macro slot " + std::to_string(slot + 1) + " of the file is damaged";
      return std::nullopt;
    }
  }
  return slots;
}

}  // namespace orvane::macro
