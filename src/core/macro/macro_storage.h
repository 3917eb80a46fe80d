#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/macro/macro_lines.h"

// The stored forms of a macro: the 224-byte body of a mouse slot and of the
// PC library, the 2048-byte driver block, and the 32-byte name.
namespace orvane::macro {

constexpr size_t kNameBytes = 32;
constexpr size_t kNameCharacters = 16;
constexpr size_t kBodyBytes = 224;
constexpr size_t kBlockBytes = 2048;
constexpr size_t kMaxBodyEvents = 221;
constexpr size_t kMaxBlockEvents = 2012;

using MacroName = std::array<uint8_t, kNameBytes>;
using MacroBody = std::array<uint8_t, kBodyBytes>;
using DriverBlock = std::array<uint8_t, kBlockBytes>;

// Encodes into `body` (cleared first). False, and `body` untouched, when the
// events do not fit: the caller shows "Macro bin length out of range".
bool EncodeMacroBody(const MacroLines& lines, bool release_flag, MacroBody& body);
// Bytes 32..2047 of `block`, likewise.
bool EncodeDriverBlock(const MacroLines& lines, bool release_flag, DriverBlock& block);

struct DecodedStoredMacro {
  DecodedMacro macro;
  bool release_flag = false;
};
// Nothing for an entry whose length byte(s) say unused (0 or all 0xFF).
// Lengths that claim more than the form holds are read only as far as it goes.
std::optional<DecodedStoredMacro> DecodeMacroBody(std::span<const uint8_t, kBodyBytes> body);
std::optional<DecodedStoredMacro> DecodeDriverBlock(std::span<const uint8_t, kBlockBytes> block);

// Sum of the bytes, modulo 256, XOR 0x5A.
uint8_t MacroChecksum(std::span<const uint8_t> bytes);
// CheckMacroContentBuf for one body: a body whose checksum does not match is
// zeroed. True when it was kept.
bool CheckMacroBody(MacroBody& body);

// Names: UTF-8 text <-> 16 UTF-16 code units stored high byte first.
MacroName EncodeMacroName(const std::string& utf8);
std::string DecodeMacroName(std::span<const uint8_t, kNameBytes> name);
bool NameIsEmpty(std::span<const uint8_t, kNameBytes> name);

}  // namespace orvane::macro
