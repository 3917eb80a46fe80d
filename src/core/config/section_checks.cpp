#include "core/config/section_checks.h"

#include <algorithm>
#include <numeric>

namespace orvane::config {

namespace {

template <size_t N>
std::array<uint8_t, N> Sealed(std::array<uint8_t, N> bytes) {
  SealSection(bytes);
  return bytes;
}

std::array<uint8_t, kProfileKeys.length> BuildProfileRepair() {
  std::array<uint8_t, kProfileKeys.length> keys;
  keys.fill(0xFF);
  for (int mode = 0; mode < 2; ++mode) {
    for (size_t button = 0; button < kDefaultProfileCodes.size(); ++button) {
      std::copy(kDefaultProfileCodes[button].begin(), kDefaultProfileCodes[button].end(),
                keys.begin() + 27 * mode + 3 * button);
    }
  }
  SealSection(keys);
  return keys;
}

}  // namespace

uint8_t SectionChecksum(std::span<const uint8_t> section) {
  if (section.empty()) return 0x5A;
  const unsigned sum = std::accumulate(section.begin(), section.end() - 1, 0u);
  return static_cast<uint8_t>((sum & 0xFF) ^ 0x5A);
}

bool ChecksumMatches(std::span<const uint8_t> section) {
  return !section.empty() && section.back() == SectionChecksum(section);
}

void SealSection(std::span<uint8_t> section) {
  if (!section.empty()) section.back() = SectionChecksum(section);
}

const std::array<std::array<uint8_t, 3>, 9> kDefaultProfileCodes = {{
    {0x01, 0x01, 0x00},  // left click
    {0x01, 0x04, 0x00},  // middle click
    {0x01, 0x02, 0x00},  // right click
    {0x01, 0x08, 0x00},  // back
    {0x01, 0x10, 0x00},  // forward
    {0x05, 0x00, 0x00},  // DPI loop
    {0x0F, 0x00, 0x00},  // profile switch
    {0x02, 0x08, 0x07},  // Win+D: desktop
    {0x09, 0x00, 0x00},  // LED on/off
}};

const std::array<uint8_t, kParameterA.length> kParameterARepair = Sealed<48>({
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x01, 0x04, 0x03,
    0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00,
});

const std::array<uint8_t, kProfileKeys.length> kProfileKeysRepair = BuildProfileRepair();

const std::array<uint8_t, kFireKey.length> kFireKeyRepair =
    Sealed<11>({0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x00});

const std::array<uint8_t, 6> kParameterBPairRepair = {1, 254, 1, 254, 0, 255};

void CheckParameterASection(DataBuf& data) {
  if (!ChecksumMatches(data.ParameterA)) data.ParameterA = kParameterARepair;
}

void CheckParameterBSection(DataBuf& data) {
  for (size_t pair = 0; pair < 6; pair += 2) {
    if (data.ParameterB[pair] + data.ParameterB[pair + 1] != 255) {
      data.ParameterB[pair] = kParameterBPairRepair[pair];
      data.ParameterB[pair + 1] = kParameterBPairRepair[pair + 1];
    }
  }
}

void CheckProfileSection(DataBuf& data) {
  if (!ChecksumMatches(data.ProfileKeys)) data.ProfileKeys = kProfileKeysRepair;
}

void CheckFireKeySection(DataBuf& data) {
  if (!ChecksumMatches(data.FireKey)) data.FireKey = kFireKeyRepair;
}

}  // namespace orvane::config
