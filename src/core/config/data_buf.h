#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/config/image_layout.h"

namespace orvane::config {

// The sections of the image the pages edit.
struct DataBuf {
  std::array<uint8_t, kParameterA.length> ParameterA{};
  std::array<uint8_t, kParameterB.length> ParameterB{};
  std::array<uint8_t, kProfileKeys.length> ProfileKeys{};
  std::array<uint8_t, kFirePointerTable.length> FirePointerTable{};
  std::array<uint8_t, kFireYOffsetTable.length> FireYOffsetTable{};
  std::array<uint8_t, kFireColorTable.length> FireColorTable{};
  std::array<uint8_t, kFireKey.length> FireKey{};

  bool operator==(const DataBuf&) const = default;
};

// The working configuration: DevImage, the working copy of the mouse's whole
// memory, and everything split out of it for the pages to edit.
struct Configuration {
  Image DevImage{};
  DataBuf data;
  std::array<uint8_t, kMacroSlots1To4.length> MacroSlots1To4{};
  std::array<uint8_t, kMacroSlots5To6.length> MacroSlots5To6{};
  std::array<uint8_t, kFireMacroBlock.length> FireMacroBlock{};
  std::array<uint8_t, kFireSlotCount * kFireSlotBytes> FireSlots{};
};

// DevImage -> DataBuf and the copies, each checked section checked and
// repaired on the way, in the order a read takes them.
void DistributeImage(Configuration& config);
// DataBuf and the copies -> DevImage, the checked sections sealed first, in
// the order a write takes them. Bytes no section covers stay as they were.
void CollectImage(Configuration& config);

// The checked sections (ParameterA, ParameterB, ProfileKeys, FireKey) whose
// bytes differ between two images: given an image as loaded and the same
// image distributed and collected again, the sections that failed their
// checks and now hold built-in values.
std::vector<std::string> RepairedSections(const Image& loaded, const Image& collected);

}  // namespace orvane::config
