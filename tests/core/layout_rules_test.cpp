#include "core/app/layout_rules.h"

#include <gtest/gtest.h>

namespace orvane::app {
namespace {

TEST(LayoutRules, ButtonPairsAndSpacing) {
  EXPECT_EQ(PlaceButtonPair(1, 820, 600, 90, 30),
            (ButtonPlacement{true, {820, 600, 90, 30}, {820, 600, 90, 30}}));
  EXPECT_FALSE(PlaceButtonPair(0, 820, 600, 90, 30).visible);
  EXPECT_FALSE(PlaceButtonPair(2, 820, 600, 90, 30).visible);
  EXPECT_EQ(PlaceSpacedButton(1, 100, 20, 120, 32, 8, 4).label, (Rect{108, 20, 108, 32}));
  EXPECT_TRUE(OutsideWindow({50, 9480, 40, 40}));
  EXPECT_TRUE(OutsideWindow({8000, 0, 40, 40}));
  EXPECT_FALSE(OutsideWindow({7999, 7999, 40, 40}));
}

TEST(LayoutRules, KeyMenuOpensAwayFromTheEdges) {
  struct Case {
    Rect label;
    Point at;
  };
  // A 900 x 600 skin, a 180 x 170 menu.
  for (const Case& c : {Case{{100, 100, 120, 30}, {160, 115}},
                        Case{{700, 100, 120, 30}, {580, 115}},  // near the right edge: to the left
                        Case{{100, 450, 120, 30}, {160, 295}},  // near the bottom: above
                        Case{{700, 450, 120, 30}, {580, 295}}}) {
    EXPECT_EQ(KeyMenuPosition(c.label, 180, 170, 900, 600), c.at) << c.label.x << "," << c.label.y;
  }
  EXPECT_EQ(EngineerKeyMenuPosition({50, 40, 80, 24}, 180, 194, 1000, 30, 200), (Point{60, 114}));
  EXPECT_EQ(EngineerKeyMenuPosition({900, 40, 80, 24}, 180, 194, 1000, 30, 200), (Point{810, 114}));
  EXPECT_EQ(KeyMenuHeight(false), 170);
  EXPECT_EQ(KeyMenuHeight(true), 194);
}

// Sub-menus open right of the key menu, level with their item, unless that
// would cross the skin: then left of it, or ending level with the item.
TEST(LayoutRules, SubmenusOpenAwayFromTheEdges) {
  const Rect menu{600, 300, 150, 170};
  const Rect item{0, 48, 150, 24};
  struct Case {
    int room;  // the menus' widths side by side from the key menu's left
    int area_height;
    bool height_counts;
    Point at;
  };
  for (const Case c : {Case{890, 600, true, {752, 348}}, Case{900, 600, true, {470, 348}},
                       Case{890, 494, true, {752, 250}}, Case{890, 495, true, {752, 348}},
                       Case{890, 471, false, {752, 348}}, Case{890, 470, false, {752, 250}}}) {
    EXPECT_EQ(SubmenuPosition(menu, item, 130, 122, c.room, 900, c.area_height, c.height_counts),
              c.at)
        << c.room << " " << c.area_height;
  }
}

TEST(LayoutRules, CentringRoundsTowardZero) {
  EXPECT_EQ(CentredWindow(1280, 800, 900, 601), (Point{190, 99}));
  EXPECT_EQ(CentredWindow(800, 600, 901, 700), (Point{-50, -50}));
  EXPECT_EQ(CentredOn({10, 20, 900, 600}, 200, 192), (Point{360, 224}));
}

TEST(LayoutRules, RollingCaption) {
  RollingCaption caption;
  caption.Start("Left");
  EXPECT_EQ(caption.Tick(), "eft    L");
  EXPECT_EQ(caption.Tick(), "ft    Le");
  for (int tick = 3; tick <= 21; ++tick)
    caption.Tick();
  caption.Tick();  // wraps to 2: no new spaces
  EXPECT_EQ(caption.Saved(), "Left");
  caption.Start("左键");
  EXPECT_EQ(caption.Tick(), "键    左");
}

TEST(LayoutRules, RowsOfImages) {
  EXPECT_EQ(RowImagePosition(100, 50, 30, 6, 1), (Point{100, 50}));
  EXPECT_EQ(RowImagePosition(100, 50, 30, 6, 10), (Point{424, 50}));
  EXPECT_EQ(LedCountLabelUnder(1, 0), 1);
  EXPECT_EQ(LedCountLabelUnder(1, 1), 10);
  EXPECT_EQ(LedCountLabelUnder(10, 1), 1);
}

}  // namespace
}  // namespace orvane::app
