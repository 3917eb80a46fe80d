// Fire macro slots: the page's scan and parameter writes, and the editor's
// decoding.
#include <algorithm>
#include <string>

#include "core/fire/fire_editor.h"
#include "core/fire/fire_macros.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  config::Configuration config;
  std::copy_n(data, std::min(size, config.FireSlots.size()), config.FireSlots.begin());
  const int slot = size > 0 ? data[0] % 10 + 1 : 1;
  fire::FireParamPositions positions;
  const fire::FireRow row = fire::ScanFireSlot(config, slot, true, positions);
  const std::string typed = size > 1 ? std::to_string(static_cast<int8_t>(data[1]) * 20) : "";
  for (const auto field : {fire::FireField::kCount, fire::FireField::kX, fire::FireField::kY,
                           fire::FireField::kDelay}) {
    std::string text = typed;
    std::string offset;
    fire::WriteFireParameter(config, slot, field, text, positions, &offset);
  }
  std::string offset = typed;
  fire::WriteFireYOffset(config, slot, offset, row.y);
  const auto decoded = fire::DecodeFireSlot(fire::FireSlot(config, slot));
  fire::CompileFireSlot(decoded.lines, decoded.stop_on_release.value_or(false),
                        fire::FireSlot(config, slot));
  return 0;
}
