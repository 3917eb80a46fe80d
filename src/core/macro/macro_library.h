#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/macro/macro_storage.h"

// The PC macro library and its files: "Macro.bin" (EEPROM mode, 100 records
// of a name and a body) and "Driver_Macro.bin" (driver mode, whole blocks).
namespace orvane::macro {

constexpr size_t kLibraryEntries = 100;
constexpr size_t kRecordBytes = kNameBytes + kBodyBytes;
constexpr size_t kLibraryFileBytes = kLibraryEntries * kRecordBytes;  // 25,600

// PCMacroNames and PCMacroBodies.
struct MacroLibrary {
  std::array<MacroName, kLibraryEntries> names{};
  std::array<MacroBody, kLibraryEntries> bodies{};
};

// Records from file bytes; a record the bytes do not reach keeps what the
// library held.
void ReadLibraryRecords(std::span<const uint8_t> bytes, MacroLibrary& library);
std::vector<uint8_t> LibraryFileBytes(const MacroLibrary& library);

// Whole 2048-byte blocks of a "Driver_Macro.bin"; an incomplete tail is lost.
std::vector<DriverBlock> ReadDriverBlocks(std::span<const uint8_t> bytes);

struct LibraryLoad {
  bool ok = true;
  std::string error;  // when a file could not be read or created
};

// CheckPCMacro: "Macro.bin" from `folder` (with a trailing separator), or,
// when it is missing, the factory library "PCMacroData", saved as
// "Macro.bin".
LibraryLoad CheckPCMacro(const std::string& folder, MacroLibrary& library);
// CheckDriverPCMacro: the blocks of "Driver_Macro.bin"; none when missing.
LibraryLoad CheckDriverPCMacro(const std::string& folder, std::vector<DriverBlock>& blocks);
bool SaveMacroLibrary(const std::string& folder, const MacroLibrary& library, std::string* error);

// A whole file, up to `limit` bytes; nothing when it cannot be opened.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, size_t limit);

}  // namespace orvane::macro
