// Builds the default configuration images "TesselData_Cfg1".."TesselData_Cfg3"
// from the readable values below:
//   make_default_images OUTPUT_FOLDER
// All three images are the same in this build. Change a value here and the
// build embeds the new images.
#include <cstdio>
#include <fstream>
#include <string>

#include "core/config/data_buf.h"
#include "core/config/parameter_fields.h"
#include "core/config/section_checks.h"

namespace {

using namespace orvane::config;

// Indicator colours of fire macros 1..10.
constexpr Rgb kFireColours[10] = {
    {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0xFF, 0xFF, 0x00},
    {0xFF, 0x00, 0xFF}, {0x00, 0xFF, 0xFF}, {0xFF, 0x80, 0x00}, {0xFF, 0x00, 0x80},
    {0x00, 0xFF, 0x80}, {0xFF, 0xFF, 0xFF},
};
// Every fire pointer entry: type 0x0E (stop at release), then 0x05 and the
// slot's offset in the fire macro block.
constexpr uint8_t kFirePointerType = 0x0E;
constexpr uint8_t kFirePointerMarker = 0x05;
// 255/255 is the generic maker and product: any mouse so marked is accepted.
constexpr uint8_t kGenericMaker = 255;
constexpr uint8_t kGenericProduct = 255;

Configuration DefaultConfiguration() {
  Configuration config;  // everything not set below, and all from 0x100 on, is 0
  DataBuf& data = config.data;
  data.ParameterA = kParameterARepair;
  for (size_t i = 0; i < kParameterBPairRepair.size(); ++i) {
    data.ParameterB[i] = kParameterBPairRepair[i];
  }
  SetIdentifiers(data.ParameterB, kGenericMaker, kGenericProduct);
  data.ProfileKeys = kProfileKeysRepair;  // the built-in profile in both key modes
  for (int i = 0; i < 10; ++i) {
    data.FirePointerTable[3 * i] = kFirePointerType;
    data.FirePointerTable[3 * i + 1] = kFirePointerMarker;
    data.FirePointerTable[3 * i + 2] = static_cast<uint8_t>(1 + kFireSlotBytes * i);
    SetFireYOffset(data, i + 1, "0");
    SetFireColour(data, i + 1, kFireColours[i]);
  }
  data.FireKey = kFireKeyRepair;
  CollectImage(config);
  return config;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_default_images OUTPUT_FOLDER\n");
    return 2;
  }
  const Image image = DefaultConfiguration().DevImage;
  for (int n = 1; n <= 3; ++n) {
    const std::string path = std::string(argv[1]) + "/TesselData_Cfg" + std::to_string(n) + ".bin";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(image.data()), image.size());
    if (!out) {
      std::fprintf(stderr, "make_default_images: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
