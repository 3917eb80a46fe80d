#include "core/pages/lighting_page.h"

#include <gtest/gtest.h>

#include "core/config/section_checks.h"
#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using config::LedType;
using testing::SessionFixture;

constexpr size_t kLedStateByte = 0x32;  // ParameterB byte 2 in the mouse's memory

uint8_t LedStateByte(const config::Configuration& config) { return config.data.ParameterB[2]; }

// An image of the strip with the given LED state byte.
struct StripFixture : SessionFixture {
  explicit StripFixture(uint8_t led_state, LedType type = LedType::kMcuLed) {
    config::SetLedType(config.data.ParameterA, type);
    config::UpdateLedStateBits(config.data.ParameterB, 0xFF, led_state);
    page.ImageShown();
  }
  LightingPage page{config};
};

TEST(LightingPage, RowStyles) {
  struct Case {
    int style;
    int current;
    const char* lit;  // pictures 1..5
  };
  for (const Case c : {Case{1, 3, "..x.."}, Case{0, 3, "xxx.."}, Case{1, 0, "....."},
                       Case{0, -2, "....."}, Case{0, 5, "xxxxx"}}) {
    std::string lit;
    for (int picture = 1; picture <= 5; ++picture)
      lit += PictureLit(c.style, picture, c.current) ? 'x' : '.';
    EXPECT_EQ(lit, c.lit) << c.style << " " << c.current;
  }
}

TEST(LightingPage, CountPicturesAndEdit) {
  StripFixture f(0x01);
  LightingPage& page = f.page;
  ASSERT_TRUE(page.ClickCountPicture(1));
  EXPECT_EQ(page.State().count_text, "4");
  EXPECT_EQ(page.State().count_lit, 1);
  ASSERT_TRUE(page.ClickCountPicture(10));
  EXPECT_EQ(page.State().count_text, "13");
  EXPECT_EQ(config::GetMcuLedCount(f.config.data.ParameterA), 13);
  struct Case {
    const char* typed;
    const char* shown;
    int lit;
  };
  for (const Case c : {Case{"2", "4", 1}, Case{"14", "13", 10}, Case{"", "4", 1}, Case{"0", "4", 1},
                       Case{"7", "7", 4}, Case{"1", "1", 0}}) {
    EXPECT_EQ(page.EditCount(c.typed), c.shown) << c.typed;
    EXPECT_EQ(page.State().count_lit, c.lit) << c.typed;
  }
  EXPECT_EQ(config::GetMcuLedCount(f.config.data.ParameterA), 7) << "1 is not stored";
  EXPECT_EQ(page.LeaveCount(), "4");
  EXPECT_EQ(config::GetMcuLedCount(f.config.data.ParameterA), 4);
  EXPECT_EQ(page.EditCount("1a"), "4") << "anything but digits changes nothing";
}

TEST(LightingPage, SpeedPicturesEditAndSlider) {
  StripFixture f(0x01 | (2 << 5));
  LightingPage& page = f.page;
  EXPECT_EQ(page.State().speed_slider, 500);
  EXPECT_EQ(page.State().speed_lit, 3);
  EXPECT_EQ(page.EditSpeed("9"), "7");
  EXPECT_EQ(page.EditSpeed(""), "0");
  struct Case {
    int x;
    int slider;
    int code;
  };
  for (const Case c : {Case{10, 0, 7}, Case{100, 300, 4}, Case{200, 700, 0}, Case{-40, 0, 7}}) {
    EXPECT_EQ(page.SpeedSliderReleased(c.x), c.code) << c.x;
    EXPECT_EQ(page.State().speed_slider, c.slider) << c.x;
    EXPECT_EQ(page.State().speed_text, std::to_string(c.code));
    EXPECT_EQ(LedStateByte(f.config) >> 5, c.code);
  }
  ASSERT_TRUE(page.ClickSpeedPicture(3));
  EXPECT_EQ(page.State().speed_text, "2");
  EXPECT_EQ(page.State().speed_slider, 500) << "every view shows the same speed";
  EXPECT_EQ(LedStateByte(f.config) & config::kLedModeBits, 1) << "the mode stays";
}

TEST(LightingPage, StripModes) {
  StripFixture f(0x04);  // mode 4
  LightingPage& page = f.page;
  EXPECT_EQ(page.State().mcu_mode, 3);
  ASSERT_TRUE(page.ClickMcuModePicture(4));
  EXPECT_EQ(page.State().rb_mode, 3) << "the picture also chooses the two-colour mode";
  ASSERT_TRUE(page.SetMcuMode(6));
  EXPECT_EQ(page.State().rb_mode, 3) << "the label does not";
  EXPECT_EQ(LedStateByte(f.config) & config::kLedModeBits, 6);
  ASSERT_TRUE(page.EnableMode(3, false));
  EXPECT_FALSE(page.State().modes_enabled[2]);
  EXPECT_EQ(page.State().mcu_mode, 0) << "the mode list starts again at its first item";
  EXPECT_FALSE(config::GetMcuLedModes(f.config.data.ParameterA)[2]);
  EXPECT_EQ(f.config.data.ParameterA[4] & 1, 1);
  EXPECT_FALSE(page.SetRbMode(2)) << "the strip has no two-colour modes";
}

// Each type shows its own settings; the others are refused.
TEST(LightingPage, TypesShowTheirSettings) {
  struct Case {
    LedType type;
    LightingShows shows;
  };
  for (const Case c : {Case{LedType::kMcuLed, {false, true, true, true, true}},
                       Case{LedType::kRbLed, {true, true, false, false, false}},
                       Case{LedType::kSyncLed, {}}, Case{LedType::kBreLed, {}}}) {
    StripFixture f(0x03);
    f.page.SetType(c.type);
    const LightingShows& shows = f.page.State().shows;
    EXPECT_EQ(shows.rb_modes, c.shows.rb_modes);
    EXPECT_EQ(shows.mode_keys, c.shows.mode_keys);
    EXPECT_EQ(shows.strip, c.shows.strip);
    EXPECT_EQ(f.page.SetOption(LightOption::kModeKeys, true), c.shows.mode_keys);
    EXPECT_TRUE(f.page.SetOption(LightOption::kLightOn, false)) << "always there";
    EXPECT_TRUE(f.page.SetOption(LightOption::kFullBright, false)) << "always there";
    EXPECT_EQ(f.page.ClickCountPicture(2), c.shows.strip);
    EXPECT_EQ(f.page.SetRbMode(2), c.shows.rb_modes);
    EXPECT_EQ(f.page.EnableMode(2, false), c.shows.strip);
    EXPECT_EQ(config::GetLedType(f.config.data.ParameterA), c.type);
    EXPECT_EQ(f.page.State().led_type_name, "MCULED") << "the name follows a shown image only";
  }
}

// Changing the type rewrites what the state byte means; the off bit stays.
TEST(LightingPage, TypeChangeRewritesModeAndSpeed) {
  StripFixture f(0x03 | config::kLedOffBit | (5 << 5));
  ASSERT_TRUE(f.page.ClickMcuModePicture(2));  // the two-colour choice: mode 2
  f.page.SetType(LedType::kRbLed);
  EXPECT_EQ(LedStateByte(f.config), 0x02 | config::kLedOffBit);
  f.page.SetType(LedType::kSyncLed);
  EXPECT_EQ(LedStateByte(f.config), config::kLedOffBit);
  f.page.SetType(LedType::kMcuLed);
  EXPECT_EQ(LedStateByte(f.config), 0x02 | config::kLedOffBit | (5 << 5));
}

// Bytes out of range show the nearest valid choice and stay stored until the
// user changes that very setting.
TEST(LightingPage, OutOfRangeBytesShowTheNearestChoiceAndStay) {
  StripFixture f(0x00 | (1 << 5));  // mode 0: none
  auto& a = f.config.data.ParameterA;
  a[3] = static_cast<uint8_t>((a[3] & 0x0F) | (12 << 4));  // a strip of 1 LED
  f.page.ImageShown();
  EXPECT_EQ(f.page.State().mcu_mode, 0);
  EXPECT_EQ(f.page.State().count_text, "4");
  EXPECT_EQ(f.page.State().count_lit, 1);
  ASSERT_TRUE(f.page.SetOption(LightOption::kLightOn, false));
  ASSERT_TRUE(f.page.ClickSpeedPicture(4));
  EXPECT_EQ(LedStateByte(f.config), config::kLedOffBit | (3 << 5)) << "mode bits kept";
  EXPECT_EQ(a[3] >> 4, 12) << "count code kept";
  ASSERT_TRUE(f.page.SetMcuMode(1));
  EXPECT_EQ(LedStateByte(f.config) & config::kLedModeBits, 1);
}

// A lighting change reaches the mouse with the next Apply.
TEST(LightingPage, ChangesReachTheMouse) {
  SessionFixture f;
  LightingPage page(f.config);
  f.sessions.AddObserver(&page);
  ASSERT_EQ(f.sessions.ReadDevInfo(), device::SessionOutcome::kDone);
  page.SetType(LedType::kMcuLed);
  ASSERT_TRUE(page.SetMcuMode(5));
  ASSERT_TRUE(page.ClickCountPicture(3));
  ASSERT_TRUE(page.SetOption(LightOption::kKeyModeSaved, false));
  ASSERT_EQ(f.sessions.Btn_Apply_0Click(), device::SessionOutcome::kDone);
  const auto& memory = f.mouse.firmware->memory();
  EXPECT_EQ(memory[kLedStateByte] & config::kLedModeBits, 5);
  EXPECT_EQ(memory[kLedStateByte + 1], static_cast<uint8_t>(~memory[kLedStateByte]));
  EXPECT_EQ(memory[3] >> 4, 13 - 6);
  EXPECT_TRUE(memory[0] & 0x08) << "KeyModeNotSaved";
  EXPECT_TRUE(config::ChecksumMatches(std::span<const uint8_t>(memory.data(), 48)));
}

}  // namespace
}  // namespace orvane::pages
