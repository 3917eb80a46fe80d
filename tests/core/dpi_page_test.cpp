#include "core/pages/dpi_page.h"

#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/config/section_checks.h"
#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using testing::SessionFixture;

std::string English(std::string_view key) {
  static const app::LanguageTable table = app::ShippedLanguage(1);
  return table.Text(key);
}

TEST(DpiPage, ValueTexts) {
  EXPECT_EQ(GetDisplayByIndex(1, English), "500");
  EXPECT_EQ(GetDisplayByIndex(12, English), "8000");
  EXPECT_EQ(GetDisplayByIndex(0, English), "");
  EXPECT_EQ(GetDisplayByIndex(13, English), "");
}

TEST(DpiPage, TheSliderRulerByX) {
  struct Case {
    int dpi_count;
    int x;
    int position;
  };
  for (const Case c :
       {Case{11, -30, 0}, Case{11, -5, 0}, Case{11, 3, 0}, Case{11, 15, 0}, Case{11, 16, 1},
        Case{11, 70, 3}, Case{11, 85, 4}, Case{11, 195, 9}, Case{11, 196, 10}, Case{11, 224, 10},
        Case{12, 3, 0}, Case{12, 14, 0}, Case{12, 15, 1}, Case{12, 224, 11}, Case{12, 500, 11}}) {
    EXPECT_EQ(GetSliderRulerByX(c.x, c.dpi_count), c.position) << c.dpi_count << " at " << c.x;
  }
}

// The levels as default image 1 holds them, and what a count change does.
TEST(DpiPage, ChangingTheCountMakesTheHighestLevelCurrent) {
  SessionFixture f;
  DpiPage page(f.config, English);
  ASSERT_TRUE(page.SetLevelCount(4));
  EXPECT_EQ(page.State().current, 4);
  ASSERT_TRUE(page.SetLevelCount(6));
  EXPECT_EQ(page.State().current, 6);
  EXPECT_EQ(page.State().in_use, (std::array<bool, 7>{true, true, true, true, true, true, false}));
  ASSERT_TRUE(page.SetLevelCount(3));
  EXPECT_EQ(page.State().current, 3);
  EXPECT_FALSE(page.SetCurrent(5)) << "level 5 is not in use";
  EXPECT_EQ(page.State().current, 3);
  EXPECT_TRUE(page.SetCurrent(2));
  EXPECT_EQ(config::GetCurrentDpiLevel(f.config.data.ParameterB), 1);
  EXPECT_FALSE(page.SetLevelCount(8));
  EXPECT_FALSE(page.SetValue(2, 12));
}

// Bytes out of range from the mouse or a file show the nearest valid choice
// and stay stored as they are until the user changes that setting.
TEST(DpiPage, OutOfRangeBytesShowTheNearestChoiceAndStay) {
  struct Case {
    uint8_t count_byte;
    uint8_t current;  // 0-based, with its complement
    uint8_t value;    // level 3's index
    int shown_count;
    int shown_current;
    int shown_value;
  };
  for (const Case c : {Case{0, 9, 255, 2, 2, 0}, Case{200, 9, 20, 7, 7, 11}, Case{5, 2, 4, 5, 3, 4},
                       Case{5, 6, 11, 5, 5, 11}}) {
    SessionFixture f;
    auto& a = f.config.data.ParameterA;
    a[2] = c.count_byte;
    a[8] = c.value;
    config::SetCurrentDpiLevel(f.config.data.ParameterB, c.current);
    DpiPage page(f.config, English);
    page.ImageShown();
    EXPECT_EQ(page.State().level_count, c.shown_count) << int(c.count_byte);
    EXPECT_EQ(page.State().current, c.shown_current) << int(c.current);
    EXPECT_EQ(page.State().value_index[2], c.shown_value) << int(c.value);
    page.BeforeWrite();
    config::CollectImage(f.config);
    EXPECT_EQ(f.config.DevImage[2], c.count_byte);
    EXPECT_EQ(f.config.DevImage[8], c.value);
    EXPECT_EQ(f.config.DevImage[0x30], c.current);
  }
}

// The typical change: level 3 to 1600 DPI on its slider, then Apply.
TEST(DpiPage, Level3To1600ReachesTheMouse) {
  SessionFixture f;
  DpiPage page(f.config, English);
  f.sessions.AddObserver(&page);
  ASSERT_EQ(f.sessions.ReadDevInfo(), device::SessionOutcome::kDone);
  EXPECT_EQ(page.SliderReleased(3, 85), 4);  // 75 < x <= 95 is position 4
  ASSERT_EQ(f.sessions.Btn_Apply_0Click(), device::SessionOutcome::kDone);
  const auto& memory = f.mouse.firmware->memory();
  EXPECT_EQ(memory[8], 4);
  EXPECT_TRUE(config::ChecksumMatches(std::span<const uint8_t>(memory.data(), 48)));
}

// "8000" chosen on the engineer page with eleven steps: the text says 8000,
// the slider stops at its last step.
TEST(DpiPage, AValueBeyondTheSliderStopsAtItsLastStep) {
  for (const int dpi_count : {11, 12}) {
    SessionFixture f;
    DpiPage page(f.config, English, dpi_count);
    ASSERT_TRUE(page.SetValue(1, 11));
    EXPECT_EQ(page.State().value_text[0], "8000");
    EXPECT_EQ(page.State().slider_value[0], (dpi_count - 1) * 100);
    EXPECT_EQ(page.SliderReleased(1, 224), dpi_count - 1);
    EXPECT_EQ(page.State().value_text[0], dpi_count == 11 ? "6400" : "8000");
  }
}

TEST(DpiPage, ColourEditsCorrectTheirText) {
  struct Case {
    const char* typed;
    const char* shown;
    uint8_t stored;
  };
  SessionFixture f;
  DpiPage page(f.config, English);
  for (const Case c : {Case{"300", "255", 255}, Case{"", "0", 0}, Case{"17", "17", 17},
                       Case{"99999999999", "255", 255}, Case{"007", "007", 7}}) {
    EXPECT_EQ(page.SetColourText(2, DpiPage::Channel::kGreen, c.typed), c.shown) << c.typed;
    EXPECT_EQ(config::GetDpiColour(f.config.data.ParameterA, 2).g, c.stored) << c.typed;
  }
  // Text that is not digits changes nothing.
  EXPECT_EQ(page.SetColourText(2, DpiPage::Channel::kGreen, "1x"), "7");
  EXPECT_EQ(page.State().colours[1].g, 7);
}

// The level names as switches: the next level is added, the highest one
// from 3 up dropped, and the highest level in use becomes current.
TEST(DpiPage, LevelNamesSwitchLevels) {
  SessionFixture f;
  DpiPage page(f.config, English);
  ASSERT_TRUE(page.SetLevelCount(4));
  ASSERT_TRUE(page.SetCurrent(2));
  struct Case {
    int clicked;
    bool acts;
    int count_after;
  };
  for (const Case c :
       {Case{6, false, 4}, Case{3, false, 4}, Case{5, true, 5}, Case{5, true, 4}, Case{4, true, 3},
        Case{3, true, 2}, Case{2, false, 2}, Case{1, false, 2}, Case{3, true, 3}}) {
    EXPECT_EQ(page.ToggleLevel(c.clicked), c.acts) << c.clicked;
    EXPECT_EQ(page.State().level_count, c.count_after) << c.clicked;
    if (c.acts) {
      EXPECT_EQ(page.State().current, c.count_after);
    }
  }
}

// The swatches follow the LED type of the image shown, not a type chosen on
// the engineer page since.
TEST(DpiPage, SwatchesFollowTheTypeOfTheImageShown) {
  struct Case {
    config::LedType type;
    SwatchShow swatches;
  };
  for (const Case c : {Case{config::LedType::kMcuLed, SwatchShow::kShown},
                       Case{config::LedType::kRbLed, SwatchShow::kHidden},
                       Case{config::LedType::kSyncLed, SwatchShow::kHidden},
                       Case{config::LedType::kBreLed, SwatchShow::kAsBefore}}) {
    SessionFixture f;
    DpiPage page(f.config, English);
    config::SetLedType(f.config.data.ParameterA, c.type);
    page.ImageShown();
    EXPECT_EQ(page.State().swatches, c.swatches);
    EXPECT_EQ(page.CanPickColour(), c.type == config::LedType::kMcuLed);
    config::SetLedType(f.config.data.ParameterA, config::LedType::kMcuLed);
    page.SetValue(1, 3);
    EXPECT_EQ(page.State().swatches, c.swatches) << "an edit does not show a new image";
  }
}

}  // namespace
}  // namespace orvane::pages
