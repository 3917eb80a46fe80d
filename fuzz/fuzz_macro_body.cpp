// Macro bodies as they come from the mouse and from library files.
#include <algorithm>

#include "core/macro/macro_storage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane::macro;
  MacroBody body{};
  std::copy_n(data, std::min(size, body.size()), body.begin());
  if (const auto decoded = DecodeMacroBody(body)) {
    MacroBody again{};
    // What decodes must encode again without leaving the body.
    EncodeMacroBody(decoded->macro.lines, decoded->release_flag, again);
  }
  CheckMacroBody(body);
  DecodeMacroName(std::span<const uint8_t, kNameBytes>(body.data(), kNameBytes));
  return 0;
}
