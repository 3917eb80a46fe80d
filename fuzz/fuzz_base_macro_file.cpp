// A base-macro file as the engineer page imports it.
#include <span>
#include <string>

#include "core/macro/base_macro_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string why;
  const auto slots = orvane::macro::ReadBaseMacroFile(std::span<const uint8_t>(data, size), why);
  if (slots) {
    orvane::macro::MacroBody body{};
    for (size_t slot = 0; slot < 4; ++slot) {
      std::copy_n(slots->begin() + static_cast<long>(slot * orvane::macro::kSlotBytes + 32), 224,
                  body.begin());
      orvane::macro::DecodeMacroBody(body);
    }
  }
  return 0;
}
