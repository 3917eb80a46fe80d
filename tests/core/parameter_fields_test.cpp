#include "core/config/parameter_fields.h"

#include <gtest/gtest.h>

#include "core/config/section_checks.h"

namespace orvane::config {
namespace {

TEST(ParameterFields, OrientationCodesBothWays) {
  const uint8_t codes[8] = {7, 2, 4, 1, 6, 5, 0, 3};
  for (int choice = 0; choice < 8; ++choice) {
    ParameterA a = kParameterARepair;
    SetSensorOrientation(a, choice);
    EXPECT_EQ((a[0] >> 4) & 7, codes[choice]) << choice;
    EXPECT_EQ(a[0] & 0x8F, kParameterARepair[0] & 0x8F) << "other bits kept";
    EXPECT_EQ(GetSensorOrientation(a), choice);
  }
}

TEST(ParameterFields, LedTypeDecodingOrderAndBits) {
  struct Case {
    uint8_t byte0, byte1;
    LedType type;
  };
  // Bit 7 clear wins over everything; then byte 1 bit 3; then bit 4.
  for (const Case c : {Case{0x00, 0x18, LedType::kMcuLed}, Case{0x80, 0x18, LedType::kRbLed},
                       Case{0x80, 0x10, LedType::kBreLed}, Case{0x80, 0x00, LedType::kSyncLed}}) {
    ParameterA a{};
    a[0] = c.byte0;
    a[1] = c.byte1;
    EXPECT_EQ(GetLedType(a), c.type) << int(c.byte0) << " " << int(c.byte1);
  }
  for (const LedType type :
       {LedType::kMcuLed, LedType::kRbLed, LedType::kSyncLed, LedType::kBreLed}) {
    ParameterA a{};
    SetLedType(a, type);
    EXPECT_EQ(GetLedType(a), type);
  }
  EXPECT_STREQ(LedTypeName(LedType::kSyncLed), "SyncLED");
}

TEST(ParameterFields, SynchronousLedClearsByteOneBitsAndKeepsByteFour) {
  ParameterA a{};
  a[1] = 0xFF;
  a[4] = 0x5B;
  SetLedType(a, LedType::kSyncLed);
  SetMcuLedModes(a, LedType::kSyncLed, {true, true, true, true, true, true, true});
  EXPECT_EQ(a[1], 0xE7);
  EXPECT_EQ(a[4], 0x5B);
  SetMcuLedModes(a, LedType::kMcuLed, {true, false, false, false, false, false, true});
  EXPECT_EQ(a[4], 0x83);  // bit 0 always set, modes 1 and 7
  EXPECT_EQ(GetMcuLedModes(a),
            (std::array<bool, 7>{true, false, false, false, false, false, true}));
}

TEST(ParameterFields, StripLedCountCode) {
  struct Case {
    int count;
    uint8_t code;
  };
  for (const Case c : {Case{13, 0}, Case{4, 9}, Case{8, 5}}) {
    ParameterA a{};
    a[3] = 0x0F;
    SetMcuLedCount(a, c.count);
    EXPECT_EQ(a[3], (c.code << 4) | 0x0F);
    EXPECT_EQ(GetMcuLedCount(a), c.count);
  }
  for (const int outside : {3, 14, -1}) {
    ParameterA a{};
    a[3] = 0x3F;
    SetMcuLedCount(a, outside);
    EXPECT_EQ(a[3], 0x3F) << outside;
  }
  for (int code = 10; code <= 15; ++code) {
    ParameterA a{};
    a[3] = static_cast<uint8_t>(code << 4);
    EXPECT_FALSE(GetMcuLedCount(a)) << code;
  }
}

TEST(ParameterFields, RadioPairWithNeitherSelectedLeavesTheBit) {
  ParameterA a{};
  SetSwitch(a, SwitchBit::kKeyModeNotSaved, true);
  EXPECT_EQ(a[0], 0x08);
  SetSwitch(a, SwitchBit::kKeyModeNotSaved, std::nullopt);
  SetLedType(a, std::nullopt);
  SetMcuLedFullBright(a, std::nullopt);
  EXPECT_EQ(a[0], 0x08);
  EXPECT_TRUE(GetSwitch(a, SwitchBit::kKeyModeNotSaved));
  SetOption(a, OptionBit::kSmoothing, true);
  EXPECT_EQ(a[1], 0x20);
}

TEST(ParameterFields, ParameterBPairsAndLedState) {
  ParameterB b{};
  SetCurrentDpiLevel(b, 3);
  SetLedState(b, LedType::kMcuLed, {4, true, 6});
  SetKeyMode(b, 2);
  SetIdentifiers(b, 12, 34);
  EXPECT_EQ(b, (ParameterB{3, 252, 0xCD, 0x32, 0x80, 0x7F, 12, 34}));
  EXPECT_EQ(GetLedState(b), (LedState{4, true, 6}));
  EXPECT_EQ(GetKeyMode(b), 2);
  // The two-colour LED keeps its mode but has no speed; other types neither.
  EXPECT_EQ(EncodeLedState(LedType::kRbLed, {6, false, 7}), 0x07);
  EXPECT_EQ(EncodeLedState(LedType::kSyncLed, {6, true, 7}), 0x08);
}

TEST(ParameterFields, FireTablesAndBurst) {
  DataBuf data;
  SetFireYOffset(data, 1, "300");  // truncated to 8 bits
  SetFireYOffset(data, 10, "7");
  SetFireYOffset(data, 2, "abc");  // not a number: unchanged
  SetFireYOffset(data, 11, "5");   // no such macro
  EXPECT_EQ(data.FireYOffsetTable[0], 44);
  EXPECT_EQ(data.FireYOffsetTable[1], 211);
  EXPECT_EQ(GetFireYOffset(data, 10), 7);
  EXPECT_EQ(data.FireYOffsetTable[19], 248);
  EXPECT_EQ(data.FireYOffsetTable[2], 0);
  SetFireColour(data, 10, {1, 2, 3});
  EXPECT_EQ(GetFireColour(data, 10), (Rgb{1, 2, 3}));
  SetFireBurst(data, {true, 5, 90});
  EXPECT_EQ(data.FireKey[2], 255);
  EXPECT_TRUE(GetFireBurst(data).continuous);
  SetFireBurst(data, {false, 5, 90});
  EXPECT_EQ(data.FireKey[2], 4);
  EXPECT_EQ(data.FireKey[8], 90);
  EXPECT_EQ(GetFireBurst(data), (FireBurst{false, 5, 90}));
  // A count never becomes continuous fire.
  SetFireBurst(data, {false, 256, 90});
  EXPECT_EQ(data.FireKey[2], 254);
  EXPECT_FALSE(GetFireBurst(data).continuous);
}

TEST(ParameterFields, DpiValuesAndColours) {
  ParameterA a{};
  SetDpiLevelChoice(a, 2);
  EXPECT_EQ(a[2], 4);
  SetDpiValueIndex(a, 7, 11);
  SetDpiColour(a, 7, {9, 8, 7});
  SetDpiValueIndex(a, 8, 3);  // no level 8: nothing written
  EXPECT_EQ(a[12], 11);
  EXPECT_EQ(a[44], 9);
  EXPECT_EQ(a[46], 7);
  EXPECT_EQ(a[13], 0);
  EXPECT_EQ(kDpiValues[GetDpiValueIndex(a, 7)], 8000);
}

}  // namespace
}  // namespace orvane::config
