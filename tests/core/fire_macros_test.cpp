#include "core/fire/fire_macros.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/fire/fire_editor.h"
#include "core/fire/gun_key_list.h"
#include "core/macro/macro_storage.h"

namespace orvane::fire {
namespace {

using Bytes = std::vector<uint8_t>;

// A sealed slot holding `events`.
void PutSlot(config::Configuration& config, int slot, const Bytes& events, uint8_t flag = 1) {
  auto bytes = FireSlot(config, slot);
  std::fill(bytes.begin(), bytes.end(), 0);
  bytes[0] = flag;
  bytes[1] = static_cast<uint8_t>(events.size() + 1);
  std::copy(events.begin(), events.end(), bytes.begin() + 2);
  SealFireSlot(config, slot);
}

bool Sealed(config::Configuration& config, int slot) {
  const auto bytes = FireSlot(config, slot);
  return bytes[bytes[1] + 1] ==
         macro::MacroChecksum(std::span<const uint8_t>(bytes).subspan(1, bytes[1]));
}

// Repeat 5 times: press, X 3, Y 16, wait 16 ms, Y 32, wait 40 ms, release.
const Bytes kGun = {0xFD, 0x04, 0xA1, 0xFB, 0x03, 0xFA, 0x10, 0xFE,
                    0x02, 0xFA, 0x20, 0xFE, 0x05, 0x21, 0xFC};

TEST(FireMacros, ScanShowsTheLastYAndDelayPair) {
  config::Configuration config;
  PutSlot(config, 3, kGun);
  FireParamPositions positions;
  const FireRow row = ScanFireSlot(config, 3, false, positions);
  EXPECT_TRUE(row.release_stop);
  EXPECT_EQ(row.count, 5);
  EXPECT_EQ(row.x, 3);
  EXPECT_EQ(row.y, 32);
  EXPECT_EQ(row.delay_ms, 40);
  EXPECT_EQ(positions[2].y, 12);
  EXPECT_EQ(positions[2].delay, 14);

  std::string text = "40";
  EXPECT_EQ(WriteFireParameter(config, 3, FireField::kY, text, positions, nullptr),
            FireWrite::kWritten);
  EXPECT_EQ(FireSlot(config, 3)[12], 40);
  EXPECT_EQ(FireSlot(config, 3)[8], 0x10) << "the first Y move is not edited";
  EXPECT_TRUE(Sealed(config, 3));
}

TEST(FireMacros, ADelayAfterNoYMoveIsIgnored) {
  config::Configuration config;
  PutSlot(config, 1, {0xFE, 0x03, 0xA1, 0xFA, 0x05, 0x21});
  FireParamPositions positions;
  const FireRow row = ScanFireSlot(config, 1, false, positions);
  EXPECT_EQ(row.delay_ms, 0);
  EXPECT_EQ(positions[0].delay, 0);
  std::string text = "80";
  EXPECT_EQ(WriteFireParameter(config, 1, FireField::kDelay, text, positions, nullptr),
            FireWrite::kNotFound);
  EXPECT_EQ(FireSlot(config, 1)[0], 1) << "the release flag is not overwritten";
  EXPECT_EQ(FireSlot(config, 1)[3], 0x03);
}

TEST(FireMacros, ParameterCorrections) {
  struct Case {
    FireField field;
    const char* typed;
    const char* shown;
    int byte_at;  // in kGun's slot
    int byte;
  };
  const std::vector<Case> cases = {
      {FireField::kCount, "256", "256", 3, 255},
      {FireField::kCount, "300", "256", 3, 255},
      {FireField::kCount, "0", "1", 3, 0},
      {FireField::kCount, "", "1", 3, 0},
      {FireField::kDelay, "2040", "2040", 14, 255},
      {FireField::kDelay, "15", "15", 14, 1},
      {FireField::kDelay, "5000", "2040", 14, 255},
      {FireField::kX, "200", "127", 6, 127},
      {FireField::kX, "-200", "-128", 6, 0x80},
      {FireField::kX, "-3", "-3", 6, 0xFD},
      {FireField::kY, "-5", "0", 12, 0},
      {FireField::kY, "130", "127", 12, 127},
  };
  for (const Case& c : cases) {
    config::Configuration config;
    PutSlot(config, 2, kGun);
    config.data.FireYOffsetTable[2] = 9;
    FireParamPositions positions;
    ScanFireSlot(config, 2, false, positions);
    std::string text = c.typed;
    std::string offset = "9";
    EXPECT_EQ(WriteFireParameter(config, 2, c.field, text, positions, &offset),
              FireWrite::kWritten);
    EXPECT_EQ(text, c.shown) << c.typed;
    EXPECT_EQ(FireSlot(config, 2)[c.byte_at], c.byte) << c.typed;
    EXPECT_TRUE(Sealed(config, 2));
    if (c.field == FireField::kY) {
      EXPECT_EQ(offset, "0");
      EXPECT_EQ(config.data.FireYOffsetTable[2], 0);
      EXPECT_EQ(config.data.FireYOffsetTable[3], 0xFF);
    }
  }
}

TEST(FireMacros, ALoneMinusWritesNothing) {
  config::Configuration config;
  PutSlot(config, 1, kGun);
  const auto before = config.FireSlots;
  FireParamPositions positions;
  ScanFireSlot(config, 1, false, positions);
  std::string text = "-";
  EXPECT_EQ(WriteFireParameter(config, 1, FireField::kX, text, positions, nullptr),
            FireWrite::kLeftAlone);
  EXPECT_EQ(WriteFireYOffset(config, 1, text, 0), FireWrite::kLeftAlone);
  EXPECT_EQ(config.FireSlots, before);
  EXPECT_EQ(text, "-");
}

TEST(FireMacros, YOffsetKeepsYPlusOffsetASignedByte) {
  struct Case {
    int y;
    const char* typed;
    const char* shown;
    uint8_t byte;
  };
  for (const Case& c :
       {Case{120, "20", "7", 7}, Case{0, "-128", "-128", 0x80}, Case{10, "300", "117", 117},
        Case{0, "", "0", 0}, Case{-100, "-50", "-28", 0xE4}}) {
    config::Configuration config;
    std::string text = c.typed;
    EXPECT_EQ(WriteFireYOffset(config, 4, text, c.y), FireWrite::kWritten);
    EXPECT_EQ(text, c.shown);
    EXPECT_EQ(config.data.FireYOffsetTable[6], c.byte);
    EXPECT_EQ(config.data.FireYOffsetTable[7], static_cast<uint8_t>(~c.byte)) << "its complement";
  }
}

TEST(FireMacros, ReleaseStopAndThePointerTable) {
  config::Configuration config;
  PutSlot(config, 7, kGun, 0);
  FireParamPositions positions;
  ScanFireSlot(config, 7, /*sets_pointer_type=*/true, positions);
  EXPECT_EQ(config.data.FirePointerTable[18], 0x0B);
  SetFireReleaseStop(config, 7, true);
  EXPECT_EQ(FireSlot(config, 7)[0], 1);
  EXPECT_EQ(config.data.FirePointerTable[18], 0x0E);
  // A flag that is neither 0 nor 1 ends the scan with the row at zeros.
  FireSlot(config, 7)[0] = 5;
  const FireRow row = ScanFireSlot(config, 7, true, positions);
  EXPECT_EQ(row.count, 0);
  EXPECT_EQ(positions[6].y, 0);
}

TEST(FireMacros, GunPresetCodes) {
  struct Case {
    int gun, gun6, gun7;
    const char* code;
  };
  for (const Case& c : {Case{1, 2, 3, "0C0101"}, Case{5, 2, 3, "0C0505"}, Case{6, 2, 3, "0C0607"},
                        Case{6, 1, 3, "0C0606"}, Case{6, 0, 3, "0C0606"}, Case{6, 9, 3, "0C0607"},
                        Case{7, 2, 3, "0C080A"}, Case{7, 2, 1, "0C0808"}, Case{7, 2, -1, "0C0808"},
                        Case{7, 2, 5, "0C080A"}, Case{8, 2, 3, ""}}) {
    EXPECT_EQ(GunPresetCode(c.gun, c.gun6, c.gun7), c.code) << c.gun;
  }
  EXPECT_EQ(GunSlots(7), (std::vector<int>{8, 9, 10}));
  EXPECT_STREQ(GunNameKey(6), "Str605");
}

TEST(GunKeyList, AddDeleteSaveAndLoad) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("orvane-gunkeys-" + std::to_string(getpid())))
          .string();
  std::filesystem::remove(path);
  GunKeyList list;
  list.Load(path);
  EXPECT_FALSE(list.Loaded());
  for (int i = 1; i <= 10; ++i)
    EXPECT_TRUE(list.Add(i, 10));
  EXPECT_FALSE(list.Add(1, 1)) << "an eleventh gun key does nothing";
  EXPECT_EQ(list.Count(), 10);
  EXPECT_FALSE(list.Add(0, 3));
  EXPECT_EQ(list.Delete(4), 3);
  EXPECT_EQ(list.Strings()[4], "0C060A");
  EXPECT_EQ(list.Strings()[9], "000000");
  EXPECT_EQ(list.Select(0), (std::pair<int, int>{1, 10}));
  ASSERT_TRUE(list.Save(path, nullptr));
  EXPECT_EQ(std::filesystem::file_size(path), 30u);

  GunKeyList loaded;
  loaded.Load(path);
  EXPECT_TRUE(loaded.Loaded());
  EXPECT_EQ(loaded.Strings(), list.Strings());
  EXPECT_EQ(loaded.ListLines().size(), 9u);
  EXPECT_EQ(loaded.ListLines().back(), "Fire Macro9");
  for (int i = 0; i < 9; ++i)
    loaded.Delete(0);
  EXPECT_EQ(loaded.Count(), 0);
  EXPECT_EQ(loaded.Delete(0), std::nullopt);
  std::filesystem::remove(path);
}

TEST(FireEditor, DecodeAndCompile) {
  std::array<uint8_t, kSlotBytes> slot{};
  const macro::MacroLines lines = {"00",     "1 LeftKey CODE:00A1", "0 0", "0 4100",
                                   "5 FA0C", "2 LeftKey CODE:0021"};
  ASSERT_TRUE(CompileFireSlot(lines, true, slot));
  const Bytes expected = {1,    13,   0xA1, 0xFE, 0x00, 0xFE, 0xFF,
                          0xFE, 0xFF, 0xFE, 0x02, 0xFA, 0x0C, 0x21};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), slot.begin()));
  const DecodedFireSlot decoded = DecodeFireSlot(slot);
  EXPECT_EQ(decoded.stop_on_release, true);
  // Each delay byte is a line of its own in the fire editor.
  EXPECT_EQ(decoded.lines, (macro::MacroLines{"00", "1 LeftKey CODE:00A1", "0 0", "0 2040",
                                              "0 2040", "0 16", "5 FA0C", "2 LeftKey CODE:0021"}));

  ASSERT_TRUE(CompileFireSlot({"00"}, true, slot));
  EXPECT_EQ(slot, (std::array<uint8_t, kSlotBytes>{}));
  EXPECT_TRUE(DecodeFireSlot(slot).lines.empty());

  macro::MacroLines too_long = {"00"};
  for (int i = 0; i < 11; ++i)
    too_long.push_back("3 FB01");  // 22 event bytes
  slot.fill(0x44);
  EXPECT_FALSE(CompileFireSlot(too_long, false, slot));
  EXPECT_TRUE(std::all_of(slot.begin(), slot.end(), [](uint8_t b) { return b == 0x44; }));
  too_long.pop_back();
  too_long.push_back("8 00FC");  // 21
  EXPECT_TRUE(CompileFireSlot(too_long, false, slot));
  EXPECT_EQ(slot[1], 22);

  slot[1] = 200;  // a length past the slot (erased memory) is an empty slot
  EXPECT_TRUE(DecodeFireSlot(slot).lines.empty());
}

}  // namespace
}  // namespace orvane::fire
