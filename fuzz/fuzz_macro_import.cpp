// The files the macro page imports: one entry or a whole library, in both
// storage modes, and every entry read from them shown. The first byte picks
// the mode.
#include <span>

#include "core/pages/macro_library_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace orvane::pages;
  if (size == 0) return 0;
  const bool eeprom = (data[0] & 1) != 0;
  const std::span<const uint8_t> bytes(data + 1, size - 1);
  const LibraryEntry one = EntryFromRecord(bytes, eeprom);
  orvane::macro::DecodeMacroName(one.name);
  DecodeEntry(one, eeprom);
  for (const LibraryEntry& entry : RecordsOf(bytes, eeprom)) {
    orvane::macro::DecodeMacroName(entry.name);
    DecodeEntry(entry, eeprom);
  }
  return 0;
}
