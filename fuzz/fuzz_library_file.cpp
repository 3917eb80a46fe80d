// "Macro.bin" and "Driver_Macro.bin" as read from disk.
#include <span>

#include "core/macro/macro_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane::macro;
  const std::span<const uint8_t> bytes(data, size);
  MacroLibrary library;
  ReadLibraryRecords(bytes, library);
  for (size_t i = 0; i < kLibraryEntries; ++i) {
    DecodeMacroName(library.names[i]);
    DecodeMacroBody(library.bodies[i]);
  }
  for (const DriverBlock& block : ReadDriverBlocks(bytes))
    DecodeDriverBlock(block);
  return 0;
}
