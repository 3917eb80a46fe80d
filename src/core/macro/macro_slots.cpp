#include "core/macro/macro_slots.h"

#include <algorithm>
#include <set>

namespace orvane::macro {

using config::ActionCode;

namespace {

// Slot 0..5 inside the configuration's slot copies.
template <typename Configuration>
auto SlotBytes(Configuration& config, int slot) {
  const bool low = slot < 4;
  auto* area = low ? config.MacroSlots1To4.data() : config.MacroSlots5To6.data();
  return std::span(area + kSlotBytes * static_cast<size_t>(low ? slot : slot - 4), kSlotBytes);
}

std::set<int> UsedSlots(const config::DataBuf& data, int slot_count) {
  std::set<int> used;
  for (const ActionCode& code : ProfileCodes(data)) {
    if (code[0] != 0x06 && code[0] != 0x0E) continue;
    const uint16_t pointer = static_cast<uint16_t>(code[1] << 8 | code[2]);
    for (int slot = 1; slot <= slot_count; ++slot) {
      if (config::kSlotPointers[slot - 1] == pointer) used.insert(slot);
    }
  }
  return used;
}

// The next free slot after the used ones, or one already holding this name.
std::optional<int> ContiguousCandidate(const std::set<int>& used, const BaseMacros& base,
                                       const MacroName& name, int slot_count) {
  const int c = static_cast<int>(used.size());
  if (!used.empty() && *used.rbegin() != c) return std::nullopt;
  int candidate = c + 1;
  int same_name = 0;
  for (int slot = 1; slot <= slot_count; ++slot) {
    if (base.names[slot - 1] == name) {
      ++same_name;
      if (same_name == 1) candidate = slot;
    }
  }
  return same_name == 1 ? candidate : c + 1;
}

int GapCandidate(const std::set<int>& used, int slot_count) {
  const auto in = [&](int slot) { return used.count(slot) > 0; };
  if (in(2) && !in(1)) return 1;
  if (in(1) && !in(2) && in(3)) return 2;
  if (in(2) && !in(3) && in(4)) return 3;
  if (slot_count == 6) {
    if (in(3) && !in(4) && in(5)) return 4;
    if (in(4) && !in(5) && in(6)) return 5;
  } else if (in(3) && !in(4)) {
    return 4;
  }
  const int candidate = static_cast<int>(used.size());
  if (!in(candidate)) return candidate;
  // Some patterns of used slots name a slot that another button plays;
  // storing there would replace that macro. Take the lowest free one.
  for (int slot = 1; slot <= slot_count; ++slot) {
    if (!in(slot)) return slot;
  }
  return slot_count + 1;
}

int FindSlot(const config::DataBuf& data, const BaseMacros& base, const MacroName& name,
             int slot_count) {
  const std::set<int> used = UsedSlots(data, slot_count);
  if (const auto candidate = ContiguousCandidate(used, base, name, slot_count)) return *candidate;
  return GapCandidate(used, slot_count);
}

}  // namespace

std::vector<std::string> ReadAndRefreshMacro(const config::Configuration& config,
                                             BaseMacros& base) {
  std::vector<std::string> names;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const auto bytes = SlotBytes(config, slot);
    std::copy_n(bytes.begin(), kNameBytes, base.names[slot].begin());
    std::copy_n(bytes.begin() + kNameBytes, kBodyBytes, base.bodies[slot].begin());
    if (slot < 4) CheckMacroBody(base.bodies[slot]);
    names.push_back(DecodeMacroName(base.names[slot]));
  }
  return names;
}

void RefreshBaseMacroBuf(const BaseMacros& base, config::Configuration& config) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    auto bytes = SlotBytes(config, slot);
    std::copy(base.names[slot].begin(), base.names[slot].end(), bytes.begin());
    std::copy(base.bodies[slot].begin(), base.bodies[slot].end(), bytes.begin() + kNameBytes);
    std::copy(bytes.begin(), bytes.end(), config.DevImage.begin() + kSlotAddresses[slot]);
  }
}

std::array<ActionCode, 18> ProfileCodes(const config::DataBuf& data) {
  std::array<ActionCode, 18> codes;
  for (size_t i = 0; i < codes.size(); ++i) {
    std::copy_n(data.ProfileKeys.begin() + 3 * i, 3, codes[i].begin());
  }
  return codes;
}

void SetProfileCode(config::DataBuf& data, int key_mode, int button, const ActionCode& code) {
  if (key_mode < 1 || key_mode > 2 || button < 1 || button > 9) return;
  std::copy(code.begin(), code.end(),
            data.ProfileKeys.begin() + 27 * (key_mode - 1) + 3 * (button - 1));
}

int FindBaseMacroCount(const config::DataBuf& data, const BaseMacros& base, const MacroName& name) {
  return FindSlot(data, base, name, 6);
}

int FindBaseMacroIndex(const config::DataBuf& data, const BaseMacros& base, const MacroName& name) {
  return FindSlot(data, base, name, 4);
}

AssignResult LB_NameClick(const MacroAssignment& assignment, const MacroName& name,
                          const MacroBody& body, config::Configuration& config, BaseMacros& base) {
  config::DataBuf& data = config.data;
  const ActionCode previous =
      ProfileCodes(data)[9 * (assignment.key_mode - 1) + assignment.button - 1];
  SetProfileCode(data, assignment.key_mode, assignment.button, {0, 0, 0});
  // The engineer's buttons reach slots 1 to 4: whether there is room is
  // asked of the same four slots the macro then goes to.
  const int slot_count = assignment.engineer_page ? 4 : 6;
  const int slot = assignment.engineer_page ? FindBaseMacroIndex(data, base, name)
                                            : FindBaseMacroCount(data, base, name);
  if (slot > slot_count) {
    SetProfileCode(data, assignment.key_mode, assignment.button, previous);
    return {AssignResult::Kind::kNoRoom, 0, config::CodeText(previous), ""};
  }
  std::array<std::string, 9> captions = assignment.captions;
  captions[assignment.button - 1] = DecodeMacroName(name);
  if (std::find(captions.begin(), captions.end(), assignment.left_click_caption) ==
      captions.end()) {
    const ActionCode left_click = {0x01, 0x01, 0x00};
    SetProfileCode(data, assignment.key_mode, assignment.button, left_click);
    return {AssignResult::Kind::kKeptLeftClick, 0, "010100", assignment.left_click_caption};
  }
  base.names[slot - 1] = name;
  base.bodies[slot - 1] = body;
  RefreshBaseMacroBuf(base, config);
  const uint16_t pointer = config::kSlotPointers[slot - 1];
  const ActionCode code = {static_cast<uint8_t>(body[0] == 1 ? 0x0E : 0x06),
                           static_cast<uint8_t>(pointer >> 8),
                           static_cast<uint8_t>(pointer & 0xFF)};
  SetProfileCode(data, assignment.key_mode, assignment.button, code);
  return {AssignResult::Kind::kAssigned, slot, config::CodeText(code),
          captions[assignment.button - 1]};
}

}  // namespace orvane::macro
