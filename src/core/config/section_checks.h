#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/config/data_buf.h"

namespace orvane::config {

// The checksum of a section: the sum of all but its last byte, modulo 256,
// exclusive-or 0x5A. Macro bodies and fire slots are sealed the same way.
uint8_t SectionChecksum(std::span<const uint8_t> section);
bool ChecksumMatches(std::span<const uint8_t> section);
// Stores the checksum into the section's last byte.
void SealSection(std::span<uint8_t> section);

// The built-in values that replace a section that fails its check (the
// checksum bytes of A, the profile and the fire key are sealed in).
extern const std::array<uint8_t, kParameterA.length> kParameterARepair;
extern const std::array<uint8_t, kProfileKeys.length> kProfileKeysRepair;
extern const std::array<uint8_t, kFireKey.length> kFireKeyRepair;
// ParameterB pairs (0,1), (2,3), (4,5) each repaired on their own.
extern const std::array<uint8_t, 6> kParameterBPairRepair;
// The nine action codes of the built-in profile, for either key mode.
extern const std::array<std::array<uint8_t, 3>, 9> kDefaultProfileCodes;

void CheckParameterASection(DataBuf& data);
void CheckParameterBSection(DataBuf& data);
void CheckProfileSection(DataBuf& data);
void CheckFireKeySection(DataBuf& data);

}  // namespace orvane::config
