#include "core/config/data_buf.h"

#include <algorithm>

#include "core/config/section_checks.h"

namespace orvane::config {

namespace {

template <size_t N>
void Take(const Image& image, Region region, std::array<uint8_t, N>& into) {
  static_assert(N > 0);
  std::copy_n(image.begin() + region.address, std::min<size_t>(N, region.length), into.begin());
}

template <size_t N>
void Put(const std::array<uint8_t, N>& from, Region region, Image& image) {
  std::copy_n(from.begin(), std::min<size_t>(N, region.length), image.begin() + region.address);
}

}  // namespace

void DistributeImage(Configuration& config) {
  const Image& image = config.DevImage;
  DataBuf& data = config.data;
  Take(image, kParameterA, data.ParameterA);
  CheckParameterASection(data);
  Take(image, kParameterB, data.ParameterB);
  CheckParameterBSection(data);
  Take(image, kProfileKeys, data.ProfileKeys);
  CheckProfileSection(data);
  Take(image, kFirePointerTable, data.FirePointerTable);
  Take(image, kFireYOffsetTable, data.FireYOffsetTable);
  Take(image, kFireColorTable, data.FireColorTable);
  Take(image, kFireKey, data.FireKey);
  CheckFireKeySection(data);
  Take(image, kMacroSlots1To4, config.MacroSlots1To4);
  Take(image, kMacroSlots5To6, config.MacroSlots5To6);
  Take(image, kFireMacroBlock, config.FireMacroBlock);
  std::copy_n(config.FireMacroBlock.begin(), config.FireSlots.size(), config.FireSlots.begin());
}

void CollectImage(Configuration& config) {
  Image& image = config.DevImage;
  DataBuf& data = config.data;
  SealSection(data.ParameterA);
  Put(data.ParameterA, kParameterA, image);
  Put(data.ParameterB, kParameterB, image);
  SealSection(data.ProfileKeys);
  Put(data.ProfileKeys, kProfileKeys, image);
  Put(data.FirePointerTable, kFirePointerTable, image);
  Put(data.FireYOffsetTable, kFireYOffsetTable, image);
  Put(data.FireColorTable, kFireColorTable, image);
  SealSection(data.FireKey);
  Put(data.FireKey, kFireKey, image);
  Put(config.MacroSlots1To4, kMacroSlots1To4, image);
  Put(config.FireMacroBlock, kFireMacroBlock, image);
  Put(config.MacroSlots5To6, kMacroSlots5To6, image);
}

std::vector<std::string> RepairedSections(const Image& loaded, const Image& collected) {
  struct Named {
    const char* name;
    Region region;
  };
  static constexpr Named kChecked[] = {{"ParameterA", kParameterA},
                                       {"ParameterB", kParameterB},
                                       {"ProfileKeys", kProfileKeys},
                                       {"FireKey", kFireKey}};
  std::vector<std::string> repaired;
  for (const Named& section : kChecked) {
    const auto begin = section.region.address;
    if (!std::equal(loaded.begin() + begin, loaded.begin() + begin + section.region.length,
                    collected.begin() + begin)) {
      repaired.push_back(section.name);
    }
  }
  return repaired;
}

}  // namespace orvane::config
