// Event lines as the user edits them: any text, compiled into every form.
#include <string>

#include "core/fire/fire_editor.h"
#include "core/macro/macro_storage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane;
  macro::MacroLines lines = {"00"};
  std::string line;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(data[i]);
    }
  }
  lines.push_back(line);
  macro::MacroBody body{};
  macro::DriverBlock block{};
  std::array<uint8_t, fire::kSlotBytes> slot{};
  macro::EncodeMacroBody(lines, true, body);
  macro::EncodeDriverBlock(lines, false, block);
  fire::CompileFireSlot(lines, true, slot);
  macro::EncodeMacroName(line);
  return 0;
}
