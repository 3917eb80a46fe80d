#include "core/driver_macros/driver_macros.h"

#include <algorithm>

namespace orvane::driver_macros {

namespace {

constexpr size_t kHeaderBytes = 8;

bool SameName(const DriverBlock& a, const DriverBlock& b) {
  return std::equal(a.begin(), a.begin() + macro::kNameBytes, b.begin());
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

uint32_t DriverTableReadLength(std::span<const config::ActionCode> codes) {
  uint32_t largest = 0;
  for (const config::ActionCode& code : codes) {
    const bool reference = code[0] == 0x06 || code[0] == 0x0E;
    const bool fire_key = code == config::ActionCode{0x06, 0x00, 0xF0};
    if (reference && !fire_key) largest = std::max<uint32_t>(largest, code[1] << 8 | code[2]);
  }
  if (largest == 0) return 0;
  return (largest + 2016) / macro::kBlockBytes * macro::kBlockBytes;
}

DriverMacros DriverTableBlocks(std::span<const uint8_t> bytes) {
  DriverMacros macros;
  for (size_t at = 0; at + macro::kBlockBytes <= bytes.size(); at += macro::kBlockBytes) {
    DriverBlock& block = macros.emplace_back();
    std::copy_n(bytes.begin() + at, macro::kBlockBytes, block.begin());
  }
  return macros;
}

std::vector<uint8_t> DriverTableBytes(const DriverMacros& macros) {
  std::vector<uint8_t> bytes;
  bytes.reserve(macros.size() * macro::kBlockBytes);
  for (const DriverBlock& block : macros)
    bytes.insert(bytes.end(), block.begin(), block.end());
  return bytes;
}

DriverMacros ParseDriverTable(std::span<const uint8_t> answer) {
  if (answer.size() < kHeaderBytes) return {};
  return DriverTableBlocks(answer.subspan(kHeaderBytes));
}

std::vector<uint8_t> DriverTableWriteBuffer(const DriverMacros& macros) {
  std::vector<uint8_t> buffer;
  PutU32(buffer, kTableAddress);
  PutU32(buffer, static_cast<uint32_t>(macros.size() * macro::kBlockBytes));
  const std::vector<uint8_t> blocks = DriverTableBytes(macros);
  buffer.insert(buffer.end(), blocks.begin(), blocks.end());
  return buffer;
}

DriverAssignment AssignDriverMacro(DriverMacros& macros, const DriverBlock& library_block,
                                   std::array<std::string, 9> captions, int button,
                                   const std::string& left_click_caption) {
  if (button < 1 || button > 9) return {};
  const std::string name = macro::DecodeMacroName(
      std::span<const uint8_t, macro::kNameBytes>(library_block.data(), macro::kNameBytes));
  captions[static_cast<size_t>(button - 1)] = name;
  if (std::find(captions.begin(), captions.end(), left_click_caption) == captions.end()) {
    return {DriverAssignment::Kind::kKeptLeftClick, 0, "", left_click_caption};
  }
  auto found = std::find_if(macros.begin(), macros.end(), [&](const DriverBlock& block) {
    return SameName(block, library_block);
  });
  if (found == macros.end()) {
    if (macros.size() >= kAddressableBlocks) return {DriverAssignment::Kind::kNoRoom, 0, "", ""};
    macros.push_back(library_block);
    found = macros.end() - 1;
  } else {
    // The block of that name may hold an older version of the macro: the
    // button is to play what the user picked.
    *found = library_block;
  }
  const int k = static_cast<int>(found - macros.begin());
  const uint32_t pointer = config::DriverBlockPointer(k);
  const config::ActionCode code = {static_cast<uint8_t>(library_block[32] == 1 ? 0x0E : 0x06),
                                   static_cast<uint8_t>(pointer >> 8),
                                   static_cast<uint8_t>(pointer & 0xFF)};
  return {DriverAssignment::Kind::kAssigned, k, config::CodeText(code), name};
}

void RefreshDriverWriteMacro(DriverMacros& macros, const std::vector<DriverBlock>& library) {
  for (DriverBlock& block : macros) {
    const auto source = std::find_if(library.begin(), library.end(), [&](const DriverBlock& entry) {
      return SameName(entry, block);
    });
    if (source != library.end()) {
      std::copy(source->begin() + macro::kNameBytes, source->end(),
                block.begin() + macro::kNameBytes);
    }
  }
}

}  // namespace orvane::driver_macros
