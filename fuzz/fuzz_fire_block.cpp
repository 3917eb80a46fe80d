// A fire macro block file imported over a block: the slot checks, then what
// the page and the editor make of every slot that passed them.
#include <algorithm>

#include "core/fire/fire_editor.h"
#include "core/fire/fire_macros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  config::Configuration config;
  config.FireMacroBlock.fill(0xFF);  // erased memory under a short file
  const fire::BlockImport import =
      fire::ImportFireBlock(config.FireMacroBlock, std::span<const uint8_t>(data, size));
  if (!import.bad_slots.empty()) return 0;
  std::copy_n(import.block.begin(), config.FireSlots.size(), config.FireSlots.begin());
  for (int slot = 1; slot <= fire::kFireSlots; ++slot) {
    fire::FireParamPositions positions;
    fire::ScanFireSlot(config, slot, true, positions);
    fire::SealFireSlot(config, slot);
    const auto decoded = fire::DecodeFireSlot(fire::FireSlot(config, slot));
    fire::CompileFireSlot(decoded.lines, decoded.stop_on_release.value_or(false),
                          fire::FireSlot(config, slot));
    if (fire::CheckFireSlot(fire::FireSlot(config, slot)) == fire::SlotCheck::kBad)
      __builtin_trap();
  }
  return 0;
}
