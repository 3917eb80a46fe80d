#include "core/config/section_checks.h"

#include <gtest/gtest.h>

#include "core/config/default_images.h"

namespace orvane::config {
namespace {

TEST(SectionChecks, ChecksumIsTheSumXor5A) {
  EXPECT_EQ(kParameterARepair[47], 0x79);  // repair bytes sum to 0x23
  EXPECT_EQ(kFireKeyRepair[10], 0x70);
  const std::array<uint8_t, 4> bytes = {0xFF, 0xFF, 0x03, 0x00};  // 0x201 -> 0x01
  EXPECT_EQ(SectionChecksum(bytes), 0x01 ^ 0x5A);
  EXPECT_TRUE(ChecksumMatches(kProfileKeysRepair));
}

TEST(SectionChecks, ABadChecksumReplacesTheWholeSection) {
  DataBuf data;
  for (size_t i = 0; i < data.ParameterA.size(); ++i)
    data.ParameterA[i] = static_cast<uint8_t>(i);
  SealSection(data.ParameterA);
  DataBuf intact = data;
  CheckParameterASection(intact);
  EXPECT_EQ(intact.ParameterA, data.ParameterA);
  data.ParameterA[47] += 1;  // off by one
  CheckParameterASection(data);
  EXPECT_EQ(data.ParameterA, kParameterARepair);

  data.ProfileKeys.fill(0x01);
  CheckProfileSection(data);
  EXPECT_EQ(data.ProfileKeys, kProfileKeysRepair);
  EXPECT_EQ(data.ProfileKeys[27 + 21], 0x02);  // key mode 2, button 8: Win+D
  data.FireKey.fill(0);
  CheckFireKeySection(data);
  EXPECT_EQ(data.FireKey, kFireKeyRepair);
}

TEST(SectionChecks, ParameterBPairsAreRepairedOneByOne) {
  struct Case {
    std::array<uint8_t, 8> before;
    std::array<uint8_t, 8> after;
  };
  for (const Case& c : {
           Case{{5, 250, 7, 7, 0x80, 0x7F, 9, 9}, {5, 250, 1, 254, 0x80, 0x7F, 9, 9}},
           Case{{0, 0, 0, 255, 0, 0, 255, 255}, {1, 254, 0, 255, 0, 255, 255, 255}},
           Case{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                {1, 254, 1, 254, 0, 255, 0xFF, 0xFF}},
       }) {
    DataBuf data;
    data.ParameterB = c.before;
    CheckParameterBSection(data);
    EXPECT_EQ(data.ParameterB, c.after);
  }
}

TEST(DefaultImages, ImageOnePassesEveryCheckUnchanged) {
  Configuration config;
  config.DevImage = DefaultImage(1);
  DistributeImage(config);
  EXPECT_EQ(config.data.ParameterA, kParameterARepair);
  EXPECT_EQ(config.data.ProfileKeys, kProfileKeysRepair);
  EXPECT_EQ(config.data.FireKey, kFireKeyRepair);
  const Image before = config.DevImage;
  CollectImage(config);
  EXPECT_EQ(config.DevImage, before);
  EXPECT_EQ(ExpectedMakerId(), 255);
  EXPECT_EQ(ExpectedProductId(), 255);
  EXPECT_EQ(DefaultImage(2), DefaultImage(1));
  EXPECT_EQ(DefaultImage(3), DefaultImage(1));
}

TEST(DefaultImages, HoldTheDocumentedValues) {
  const Image& image = DefaultImage(1);
  const std::array<uint8_t, 8> parameter_b = {1, 254, 1, 254, 0, 255, 255, 255};
  EXPECT_TRUE(std::equal(parameter_b.begin(), parameter_b.end(), image.begin() + 0x30));
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(image[0x080 + 3 * i], 0x0E);
    EXPECT_EQ(image[0x081 + 3 * i], 0x05);
    EXPECT_EQ(image[0x082 + 3 * i], 1 + 24 * i);
    EXPECT_EQ(image[0x0B0 + 2 * i], 0);
    EXPECT_EQ(image[0x0B1 + 2 * i], 255);
  }
  const std::array<uint8_t, 6> first_colours = {0xFF, 0, 0, 0, 0xFF, 0};
  EXPECT_TRUE(std::equal(first_colours.begin(), first_colours.end(), image.begin() + 0xD0));
  EXPECT_EQ(image[0x0D0 + 27], 0xFF);  // macro 10 is white
  EXPECT_TRUE(std::all_of(image.begin() + 0x100, image.end(), [](uint8_t b) { return b == 0; }));
  EXPECT_EQ(image[0x038], 0);  // the gaps between sections are zero
}

// Bytes no section names travel unchanged through distribute and collect;
// the fire slots are the first 240 bytes of the fire macro block.
TEST(DataBuf, DistributeAndCollectKeepUnnamedBytes) {
  Configuration config;
  for (size_t i = 0; i < config.DevImage.size(); ++i) {
    config.DevImage[i] = static_cast<uint8_t>(i * 31 + 5);
  }
  const Image original = config.DevImage;
  DistributeImage(config);
  EXPECT_TRUE(
      std::equal(config.FireSlots.begin(), config.FireSlots.end(), original.begin() + 0x500));
  CollectImage(config);
  for (const int gap : {0x038, 0x03F, 0x077, 0x07F, 0x09E, 0x0AF, 0x0C4, 0x0EE, 0x0FB, 0x0FF}) {
    EXPECT_EQ(config.DevImage[gap], original[gap]) << gap;
  }
  EXPECT_TRUE(
      std::equal(original.begin() + 0x100, original.end(), config.DevImage.begin() + 0x100));
  EXPECT_EQ(config.DevImage[0x0B0], original[0x0B0]);  // unchecked tables as they came
}

}  // namespace
}  // namespace orvane::config
