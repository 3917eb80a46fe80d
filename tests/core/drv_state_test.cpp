#include "core/pages/drv_state.h"

#include <gtest/gtest.h>

#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using testing::SessionFixture;

std::string Text(std::string_view key) { return std::string(key); }

struct Pages : SessionFixture {
  explicit Pages(config::LedType type) {
    config::SetLedType(config.data.ParameterA, type);
    dpi.ImageShown();
    lighting.ImageShown();
  }
  DpiPage dpi{config, Text};
  LightingPage lighting{config};
};

TEST(DrvState, FilledFromThePages) {
  struct Case {
    config::LedType type;
    bool light_on;
    bool smoothing;
    DrvState expected;
  };
  // Level 3 of 4 at index 4; the strip's mode 5, the two-colour mode 2.
  for (const Case c : {Case{config::LedType::kMcuLed, true, true, {0x82, 5, 0x77, 4}},
                       Case{config::LedType::kRbLed, false, false, {0x02, 2 | 8, 0x77, 4}}}) {
    Pages p(c.type);
    ASSERT_TRUE(p.dpi.SetLevelCount(4));
    ASSERT_TRUE(p.dpi.SetCurrent(3));
    ASSERT_TRUE(p.dpi.SetValue(3, 4));
    const bool strip = c.type == config::LedType::kMcuLed;
    ASSERT_TRUE(strip ? p.lighting.SetMcuMode(5) : p.lighting.SetRbMode(2));
    p.lighting.SetOption(LightOption::kLightOn, c.light_on);
    EXPECT_EQ(FillDrvState(p.dpi.State(), p.lighting.State(), c.smoothing, {1, 2, 0x77, 4}),
              c.expected);
  }
}

TEST(DrvState, ShownOnThePages) {
  Pages p(config::LedType::kMcuLed);
  ASSERT_TRUE(p.dpi.SetLevelCount(5));
  EXPECT_TRUE(ShowDrvState({0x81, 6 | 8, 0, 0}, p.dpi, p.lighting));
  EXPECT_EQ(p.dpi.State().current, 2);
  EXPECT_EQ(p.lighting.State().mcu_mode, 5);
  EXPECT_FALSE(p.lighting.State().Option(LightOption::kLightOn));
  // A level beyond the count and mode 0 change nothing.
  EXPECT_FALSE(ShowDrvState({0x0C, 0, 0, 0}, p.dpi, p.lighting));
  EXPECT_EQ(p.dpi.State().current, 2);
  EXPECT_EQ(p.lighting.State().mcu_mode, 5);
  EXPECT_TRUE(p.lighting.State().Option(LightOption::kLightOn));
}

}  // namespace
}  // namespace orvane::pages
