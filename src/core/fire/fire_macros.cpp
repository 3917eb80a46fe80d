#include "core/fire/fire_macros.h"

#include <algorithm>

#include "core/config/action_codes.h"
#include "core/config/parameter_fields.h"
#include "core/macro/macro_lines.h"
#include "core/macro/macro_storage.h"

namespace orvane::fire {

namespace {

constexpr uint8_t kLeftDown = 0xA1;
constexpr uint8_t kLeftUp = 0x21;
constexpr uint8_t kPointerStopOnRelease = 0x0E;
constexpr uint8_t kPointerPlayToEnd = 0x0B;

bool ValidSlot(int slot) { return slot >= 1 && slot <= kFireSlots; }

int Signed(uint8_t byte) { return byte < 0x80 ? byte : byte - 256; }

// The number in an edit, or nothing for empty or non-numeric text.
std::optional<int64_t> Number(const std::string& text) { return config::ParseDecimal(text); }

int64_t Corrected(std::string& text, int64_t empty_value, int64_t low, int64_t high) {
  int64_t value = Number(text).value_or(empty_value);
  value = std::clamp(value, low, high);
  text = std::to_string(value);
  return value;
}

// The offset with its complement: a pair whose halves disagree fails the
// mouse's check.
void SetYOffsetByte(config::Configuration& config, int slot, int64_t offset) {
  config::SetFireYOffset(config.data, slot, std::to_string(offset));
}

}  // namespace

std::span<uint8_t, kSlotBytes> FireSlot(config::Configuration& config, int slot) {
  const size_t index = static_cast<size_t>(std::clamp(slot, 1, kFireSlots) - 1);
  return std::span<uint8_t, kSlotBytes>(config.FireSlots.data() + kSlotBytes * index, kSlotBytes);
}

FireRow ScanFireSlot(config::Configuration& config, int slot, bool sets_pointer_type,
                     FireParamPositions& positions) {
  FireRow row;
  if (!ValidSlot(slot)) return row;
  FireParamPos& pos = positions[static_cast<size_t>(slot - 1)];
  pos = {};
  const auto bytes = FireSlot(config, slot);
  if (bytes[0] > 1) return row;
  row.release_stop = bytes[0] == 1;
  if (sets_pointer_type) SetFireReleaseStop(config, slot, row.release_stop);
  // Events are bytes 2..L; an L past the slot (erased memory) is an empty
  // slot, with nothing to edit.
  const size_t last = bytes[1] <= kMaxSlotLength ? bytes[1] : 0;
  bool y_seen = false;
  for (size_t i = 2; i <= last;) {
    const uint8_t event = bytes[i];
    if (event == kLeftDown || event == kLeftUp || event == macro::kRepeatEnd) {
      ++i;
      continue;
    }
    if (i + 1 > last) break;
    const uint8_t value = bytes[i + 1];
    const int at = static_cast<int>(i + 1);
    if (event == macro::kMoveY) {
      row.y = Signed(value);
      pos.y = at;
      y_seen = true;
    } else if (event == macro::kMoveX) {
      row.x = Signed(value);
      pos.x = at;
    } else if (event == macro::kRepeatStart) {
      row.count = value + 1;
      pos.count = at;
    } else if (event == macro::kDelay) {
      // Only the first delay after a Y move is the gun's delay.
      if (y_seen) {
        row.delay_ms = value * macro::kDelayUnitMs;
        pos.delay = at;
        y_seen = false;
      }
    } else {
      break;  // not a fire macro event: keep what was found so far
    }
    i += 2;
  }
  return row;
}

FireWrite WriteFireParameter(config::Configuration& config, int slot, FireField field,
                             std::string& text, const FireParamPositions& positions,
                             std::string* y_offset_text) {
  if (!ValidSlot(slot)) return FireWrite::kNotFound;
  if (field == FireField::kX && text == "-") return FireWrite::kLeftAlone;
  const FireParamPos& pos = positions[static_cast<size_t>(slot - 1)];
  struct Rule {
    int64_t empty_value, low, high;
    int at;
  };
  const Rule rule = field == FireField::kCount ? Rule{1, 1, 256, pos.count}
                    : field == FireField::kX   ? Rule{0, -128, 127, pos.x}
                    : field == FireField::kY   ? Rule{0, 0, 127, pos.y}
                                               : Rule{0, 0, 2040, pos.delay};
  const int64_t value = Corrected(text, rule.empty_value, rule.low, rule.high);
  const int64_t byte = field == FireField::kCount   ? value - 1
                       : field == FireField::kDelay ? value / macro::kDelayUnitMs
                                                    : value;
  const int at = rule.at;
  if (field == FireField::kY) {
    if (y_offset_text != nullptr) *y_offset_text = "0";
    SetYOffsetByte(config, slot, 0);
  }
  // An event the slot does not hold has no byte to write: writing at 0 would
  // turn the release flag into a parameter.
  if (at <= 1 || at >= static_cast<int>(kSlotBytes)) return FireWrite::kNotFound;
  FireSlot(config, slot)[static_cast<size_t>(at)] = static_cast<uint8_t>(byte & 0xFF);
  SealFireSlot(config, slot);
  return FireWrite::kWritten;
}

FireWrite WriteFireYOffset(config::Configuration& config, int slot, std::string& text, int y) {
  if (!ValidSlot(slot)) return FireWrite::kNotFound;
  if (text == "-") return FireWrite::kLeftAlone;
  int64_t offset = Corrected(text, 0, -128, 127);
  if (y + offset >= 128) offset = 127 - y;
  if (y + offset < -128) offset = -y - 128;
  text = std::to_string(offset);
  SetYOffsetByte(config, slot, offset);
  return FireWrite::kWritten;
}

void SealFireSlot(config::Configuration& config, int slot) {
  if (!ValidSlot(slot)) return;
  const auto bytes = FireSlot(config, slot);
  const size_t length = bytes[1];
  if (length > kMaxSlotLength) return;  // no room for a checksum: not a slot we wrote
  bytes[length + 1] = macro::MacroChecksum(std::span<const uint8_t>(bytes).subspan(1, length));
}

SlotCheck CheckFireSlot(std::span<const uint8_t, kSlotBytes> slot) {
  const size_t length = slot[1];
  if (length == 0) return SlotCheck::kEmpty;
  if (length > kMaxSlotLength || slot[0] > 1) return SlotCheck::kBad;
  const uint8_t sum = macro::MacroChecksum(slot.subspan(1, length));
  return slot[length + 1] == sum ? SlotCheck::kSealed : SlotCheck::kBad;
}

void SetFireReleaseStop(config::Configuration& config, int slot, bool stop_on_release) {
  if (!ValidSlot(slot)) return;
  FireSlot(config, slot)[0] = stop_on_release ? 1 : 0;
  config.data.FirePointerTable[3 * static_cast<size_t>(slot - 1)] =
      stop_on_release ? kPointerStopOnRelease : kPointerPlayToEnd;
}

BlockImport ImportFireBlock(const std::array<uint8_t, 256>& current,
                            std::span<const uint8_t> file) {
  BlockImport result{current, {}};
  std::copy_n(file.begin(), std::min(file.size(), result.block.size()), result.block.begin());
  for (int slot = 1; slot <= kFireSlots; ++slot) {
    const std::span<const uint8_t, kSlotBytes> bytes(
        result.block.data() + kSlotBytes * static_cast<size_t>(slot - 1), kSlotBytes);
    if (CheckFireSlot(bytes) == SlotCheck::kBad) result.bad_slots.push_back(slot);
  }
  return result;
}

int ClampGun6Num(int value) { return std::clamp(value, 1, 2); }

int ClampGun7Num(int value) { return std::clamp(value, 1, 3); }

std::string GunPresetCode(int gun, int gun6_num, int gun7_num) {
  using config::HexByte;
  if (gun >= 1 && gun <= 5)
    return "0C" + HexByte(static_cast<uint8_t>(gun)) + HexByte(static_cast<uint8_t>(gun));
  if (gun == 6) return "0C06" + HexByte(static_cast<uint8_t>(5 + ClampGun6Num(gun6_num)));
  if (gun == 7) return "0C08" + HexByte(static_cast<uint8_t>(7 + ClampGun7Num(gun7_num)));
  return {};
}

const char* GunNameKey(int gun) {
  static const char* const kKeys[7] = {"Str600", "Str601", "Str602", "Str603",
                                       "Str604", "Str605", "Str606"};
  return gun >= 1 && gun <= 7 ? kKeys[gun - 1] : "";
}

std::vector<int> GunSlots(int gun) {
  if (gun >= 1 && gun <= 5) return {gun};
  if (gun == 6) return {6, 7};
  if (gun == 7) return {8, 9, 10};
  return {};
}

}  // namespace orvane::fire
