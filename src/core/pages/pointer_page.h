#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/pages/ruler.h"
#include "platform/pointer_settings.h"

namespace orvane::pages {

// The pointer sliders: eleven stops 26 pixels apart, the first one's pixels
// from -7.
constexpr Ruler kPointerRuler{11, -7, 26};

enum class PointerSetting { kSpeed, kPrecision, kDoubleClick, kWheel };

// What the advanced page's pointer controls show. The levels are 0 until a
// reading found their value.
struct PointerPageState {
  int speed_level = 0;         // SpeedLevel, 1..11 (slider_Spd)
  int sensitivity = 0;         // SensitivityValue, 1..20
  std::array<int, 3> accel{};  // AccelValues: MouseSpeed, MouseThreshold1, MouseThreshold2
  bool precision = false;      // cb_IsControl, Img_IsControl
  int double_click_level = 0;  // DoubleClickLevel (slider_DbSpd)
  int double_click_ms = 0;     // DoubleClickTime
  int scroll_level = 0;        // ScrollLevel, 1..11, -1 for a screen at a time
  int saved_scroll_level = 0;  // SavedScrollLevel
  int scroll_lines = 0;        // ScrollLines
  bool one_screen = false;     // cb_IsScreen, Img_IsScreen; slider_SrcSpd disabled
  // Settings that were put in force but that this desktop cannot apply:
  // kept for the user all the same.
  std::vector<PointerSetting> not_applied;
};

// The Windows pointer settings of the advanced page: read from the user's
// settings, changed by the sliders and lamps, written and put in force at
// every change and at every write to the mouse.
//
// Only what was read, or what the user changed, is written and applied: a
// setting the store does not hold is never replaced by a made-up value, and
// one the user did not touch keeps its exact value rather than its level's.
class PointerPage {
 public:
  enum class Slider { kSpeed, kDoubleClick, kWheel };

  // `system` may be none: a program without pointer settings shows the
  // levels unset and changes nothing.
  explicit PointerPage(platform::PointerSettings* system) : system_(system) {}

  // RefreshMouseSystemParameterA and B: at start and after each read.
  void Read();
  // slider_SpdMouseUp, slider_DbSpdMouseUp, slider_SrcSpdMouseUp at x
  // pixels; then the settings are applied.
  void SliderReleased(Slider slider, int x);
  // A level 1..11 chosen directly (the command line); false outside it.
  bool SetLevel(Slider slider, int level);
  // lbl_IsControlClick and lbl_IsScreenClick.
  void TogglePrecision();
  void ToggleOneScreen();
  void SetPrecision(bool on);
  void SetOneScreen(bool on);
  // ApplyPointerSettings: written, then put in force.
  void Apply();

  const PointerPageState& State() const { return state_; }
  // The slider's value: (level - 1) x 100.
  static int SliderValue(int level) { return level > 0 ? (level - 1) * 100 : 0; }

 private:
  void ReadMouseKey();
  void ReadDesktopKey();
  void WriteMouseKey();
  void WriteDesktopKey();
  void NoteApplied(PointerSetting setting, platform::Applied applied);
  std::optional<int> Number(const char* key, const char* name) const;

  platform::PointerSettings* system_;
  PointerPageState state_;
  // Per setting: its value came from the store, and the user changed it.
  std::array<bool, 4> read_{};
  std::array<bool, 4> changed_{};
};

// The level tables.
int SensitivityOfLevel(int level);  // 1, 2, 4, ... 20
int DoubleClickOfLevel(int level);  // 900, 830, ... 200
int SpeedLevelOfSensitivity(int sensitivity);
int DoubleClickLevelOfTime(int milliseconds);
int ScrollLevelOfLines(int lines);  // not for -1

}  // namespace orvane::pages
