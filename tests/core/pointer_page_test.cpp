// The advanced page's pointer settings over an in-memory store of the
// user's settings: the readings' levels, the sliders, the lamps, and what is
// written and put in force.
#include "core/pages/pointer_page.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orvane::pages {
namespace {

using platform::Applied;

// The user's settings as the system keeps them, and what was put in force.
struct MemoryPointerSettings : platform::PointerSettings {
  bool HasKey(const std::string& key) override { return keys.count(key) > 0; }
  std::optional<std::string> Get(const std::string& key, const std::string& name) override {
    const auto found = values.find(key + "/" + name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void Set(const std::string& key, const std::string& name, const std::string& value) override {
    values[key + "/" + name] = value;
    ++writes;
  }
  Applied ApplySpeed(int sensitivity) override { return Note("speed", {sensitivity}); }
  Applied ApplyAcceleration(int threshold1, int threshold2, int speed) override {
    return Note("accel", {threshold1, threshold2, speed});
  }
  Applied ApplyDoubleClickTime(int ms) override { return Note("double-click", {ms}); }
  Applied ApplyWheelLines(int lines) override { return Note("wheel", {lines}); }

  Applied Note(const std::string& what, std::vector<int> values_applied) {
    applied[what] = std::move(values_applied);
    return not_here.count(what) ? Applied::kNotHere : Applied::kYes;
  }
  std::string Value(const char* key, const char* name) const {
    const auto found = values.find(std::string(key) + "/" + name);
    return found == values.end() ? "(missing)" : found->second;
  }

  std::set<std::string> keys = {platform::kMouseKey, platform::kDesktopKey};
  std::map<std::string, std::string> values;
  std::map<std::string, std::vector<int>> applied;
  std::set<std::string> not_here;
  int writes = 0;
};

constexpr const char* kMouse = platform::kMouseKey;
constexpr const char* kDesktop = platform::kDesktopKey;

using Stored = std::map<std::string, std::string>;

struct Pointer {
  explicit Pointer(const Stored& stored = {}) {
    for (const auto& [name, value] : stored) {
      const bool desktop = name == platform::kWheelScrollLines;
      system.values[std::string(desktop ? kDesktop : kMouse) + "/" + name] = value;
    }
    page.Read();
  }
  MemoryPointerSettings system;
  PointerPage page{&system};
};

TEST(PointerPage, ReadingsShowTheirLevels) {
  struct Case {
    const char* name;
    const char* value;  // nullptr: missing
    int level;
  };
  const Case cases[] = {
      {"MouseSensitivity", "10", 6},    {"MouseSensitivity", "11", 6},
      {"MouseSensitivity", "25", 6},    {"MouseSensitivity", nullptr, 11},
      {"DoubleClickSpeed", "500", 7},   {"DoubleClickSpeed", "900", 1},
      {"DoubleClickSpeed", "950", 1},   {"DoubleClickSpeed", "250", 11},
      {"DoubleClickSpeed", nullptr, 7},  // counts as 480
      {"WheelScrollLines", "0", 3},     {"WheelScrollLines", "20", 11},
      {"WheelScrollLines", "4", 4},
  };
  for (const Case& c : cases) {
    Stored stored;
    if (c.value) stored[c.name] = c.value;
    Pointer p(stored);
    const PointerPageState& s = p.page.State();
    const std::string name = c.name;
    const int level = name == "MouseSensitivity"   ? s.speed_level
                      : name == "DoubleClickSpeed" ? s.double_click_level
                                                   : s.scroll_level;
    EXPECT_EQ(level, c.level) << c.name << "=" << (c.value ? c.value : "missing");
  }
  Pointer screen(Stored{{"WheelScrollLines", "-1"}});
  EXPECT_TRUE(screen.page.State().one_screen);
  EXPECT_EQ(screen.page.State().scroll_level, -1);
  // Switched off after such a reading: level 1.
  screen.page.ToggleOneScreen();
  EXPECT_EQ(screen.page.State().scroll_level, 1);
  EXPECT_EQ(screen.system.Value(kDesktop, "WheelScrollLines"), "1");
}

TEST(PointerPage, SlidersTakeTheStopOfTheMouseUp) {
  for (const auto& [x, level] : std::vector<std::pair<int, int>>{
           {0, 1}, {19, 1}, {20, 2}, {30, 2}, {253, 10}, {254, 11}, {270, 11}, {300, 11}}) {
    Pointer p;
    p.page.SliderReleased(PointerPage::Slider::kSpeed, x);
    EXPECT_EQ(p.page.State().speed_level, level) << x;
    EXPECT_EQ(PointerPage::SliderValue(level), (level - 1) * 100);
  }
  Pointer p;
  p.page.SliderReleased(PointerPage::Slider::kDoubleClick, 3 * 26);  // level 4
  EXPECT_EQ(p.system.Value(kMouse, "DoubleClickSpeed"), "690");
  EXPECT_EQ(p.system.applied["double-click"], std::vector<int>{690});
}

TEST(PointerPage, PrecisionWritesItsThreeValuesAndHandsOverTheThresholds) {
  Pointer p(Stored{{"MouseSpeed", "0"}, {"MouseThreshold1", "0"}, {"MouseThreshold2", "0"}});
  EXPECT_FALSE(p.page.State().precision);
  p.page.TogglePrecision();
  EXPECT_EQ(p.system.Value(kMouse, "MouseSpeed"), "1");
  EXPECT_EQ(p.system.Value(kMouse, "MouseThreshold1"), "6");
  EXPECT_EQ(p.system.Value(kMouse, "MouseThreshold2"), "10");
  EXPECT_EQ(p.system.applied["accel"], (std::vector<int>{6, 10, 1}));
  p.page.TogglePrecision();
  EXPECT_EQ(p.system.applied["accel"], (std::vector<int>{0, 0, 0}));
}

// Nothing the user did not touch is rewritten or rounded to its level, and
// nothing that was never read is made up.
TEST(PointerPage, OnlyWhatWasReadOrChangedIsWrittenAndApplied) {
  Pointer p(Stored{{"MouseSensitivity", "11"}, {"DoubleClickSpeed", "500"}});
  p.page.SliderReleased(PointerPage::Slider::kSpeed, 0);  // level 1
  EXPECT_EQ(p.system.Value(kMouse, "MouseSensitivity"), "1");
  EXPECT_EQ(p.system.Value(kMouse, "DoubleClickSpeed"), "500");
  EXPECT_EQ(p.system.applied["double-click"], std::vector<int>{500});
  // The wheel was never read: neither written as 0 lines nor applied.
  EXPECT_EQ(p.system.Value(kDesktop, "WheelScrollLines"), "(missing)");
  EXPECT_EQ(p.system.applied.count("wheel"), 0u);
  EXPECT_EQ(p.system.applied.count("accel"), 0u);

  Pointer untouched(Stored{{"DoubleClickSpeed", "500"}, {"WheelScrollLines", "3"}});
  untouched.page.Apply();  // as the write session does
  EXPECT_EQ(untouched.system.writes, 0);
  EXPECT_EQ(untouched.system.applied["double-click"], std::vector<int>{500});
  EXPECT_EQ(untouched.system.applied["wheel"], std::vector<int>{3});
}

TEST(PointerPage, MissingKeysAreNeverCreatedAndUnappliedSettingsAreSaid) {
  Pointer p;
  p.system.keys.clear();
  p.page.Read();
  p.page.SetLevel(PointerPage::Slider::kWheel, 5);
  EXPECT_EQ(p.system.writes, 0);
  EXPECT_EQ(p.system.applied["wheel"], std::vector<int>{5});

  Pointer here(Stored{{"WheelScrollLines", "3"}, {"MouseSensitivity", "10"}});
  here.system.not_here = {"wheel"};
  here.page.Apply();
  EXPECT_EQ(here.page.State().not_applied, std::vector<PointerSetting>{PointerSetting::kWheel});
  EXPECT_FALSE(here.page.SetLevel(PointerPage::Slider::kSpeed, 12));
}

}  // namespace
}  // namespace orvane::pages
