#include "core/fire/fire_editor.h"

#include <algorithm>

#include "core/macro/macro_storage.h"

namespace orvane::fire {

DecodedFireSlot DecodeFireSlot(std::span<const uint8_t, kSlotBytes> slot) {
  DecodedFireSlot decoded;
  if (slot[0] <= 1) decoded.stop_on_release = slot[0] == 1;
  const size_t length = slot[1];
  // A length past the slot (0xFF in erased memory) is an empty slot.
  if (length == 0 || length > kMaxSlotLength) return decoded;
  const size_t last = length;
  decoded.lines.push_back("00");
  if (last >= 2) {
    const auto events = macro::DecodeEventBytes(slot.subspan(2, last - 1), /*merge_delays=*/false);
    decoded.lines.insert(decoded.lines.end(), events.begin(), events.end());
  }
  return decoded;
}

bool CompileFireSlot(const macro::MacroLines& lines, bool stop_on_release,
                     std::span<uint8_t, kSlotBytes> slot) {
  const std::vector<uint8_t> events = macro::EncodeEventLines(lines);
  if (events.size() > kMaxSlotEvents) return false;
  std::fill(slot.begin(), slot.end(), 0);
  if (events.empty()) return true;
  slot[0] = stop_on_release ? 1 : 0;
  slot[1] = static_cast<uint8_t>(events.size() + 1);
  std::copy(events.begin(), events.end(), slot.begin() + 2);
  const size_t length = events.size() + 1;
  slot[length + 1] = macro::MacroChecksum(std::span<const uint8_t>(slot).subspan(1, length));
  return true;
}

}  // namespace orvane::fire
