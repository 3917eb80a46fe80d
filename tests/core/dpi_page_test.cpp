#include "core/pages/dpi_page.h"

#include <gtest/gtest.h>

#include "core/config/section_checks.h"
#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using testing::SessionFixture;

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
  DpiPage page(f.config);
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
    DpiPage page(f.config);
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
  DpiPage page(f.config);
  f.sessions.AddObserver(&page);
  ASSERT_EQ(f.sessions.ReadDevInfo(), device::SessionOutcome::kDone);
  EXPECT_EQ(page.SliderReleased(3, 85), 4);  // 75 < x <= 95 is position 4
  ASSERT_EQ(f.sessions.Btn_Apply_0Click(), device::SessionOutcome::kDone);
  const auto& memory = f.mouse.firmware->memory();
  EXPECT_EQ(memory[8], 4);
  EXPECT_TRUE(config::ChecksumMatches(std::span<const uint8_t>(memory.data(), 48)));
}

}  // namespace
}  // namespace orvane::pages
