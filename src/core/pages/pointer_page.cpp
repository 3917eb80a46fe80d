#include "core/pages/pointer_page.h"

#include <algorithm>
#include <charconv>

namespace orvane::pages {

namespace {

using platform::kDesktopKey;
using platform::kMouseKey;

constexpr int kLevels = 11;
constexpr std::array<int, 3> kPrecisionOn = {1, 6, 10};

size_t Index(PointerSetting setting) { return static_cast<size_t>(setting); }

PointerSetting SettingOf(PointerPage::Slider slider) {
  switch (slider) {
    case PointerPage::Slider::kSpeed: return PointerSetting::kSpeed;
    case PointerPage::Slider::kDoubleClick: return PointerSetting::kDoubleClick;
    case PointerPage::Slider::kWheel: return PointerSetting::kWheel;
  }
  return PointerSetting::kSpeed;
}

// A whole decimal number, as the registry's string values hold them.
std::optional<int> WholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

int SensitivityOfLevel(int level) { return level <= 1 ? 1 : 2 * (level - 1); }

int DoubleClickOfLevel(int level) { return 900 - 70 * (level - 1); }

int SpeedLevelOfSensitivity(int sensitivity) {
  if (sensitivity == 0 || sensitivity == 1) return 1;
  if (sensitivity >= 2 && sensitivity <= 19) return sensitivity / 2 + 1;
  if (sensitivity == 20) return kLevels;
  return 6;
}

int DoubleClickLevelOfTime(int milliseconds) {
  if (milliseconds >= DoubleClickOfLevel(1)) return 1;
  for (int level = 2; level <= 10; ++level) {
    if (milliseconds >= DoubleClickOfLevel(level)) return level;
  }
  return kLevels;
}

int ScrollLevelOfLines(int lines) {
  if (lines == 0) return 3;
  return lines >= 1 && lines <= kLevels ? lines : kLevels;
}

std::optional<int> PointerPage::Number(const char* key, const char* name) const {
  const auto text = system_->Get(key, name);
  return text ? WholeNumber(*text) : std::nullopt;
}

void PointerPage::Read() {
  read_ = {};
  changed_ = {};
  if (system_ == nullptr) return;
  ReadMouseKey();
  ReadDesktopKey();
}

void PointerPage::ReadMouseKey() {
  if (!system_->HasKey(kMouseKey)) return;
  const auto sensitivity = Number(kMouseKey, platform::kMouseSensitivity);
  state_.sensitivity = sensitivity.value_or(20);
  state_.speed_level = SpeedLevelOfSensitivity(state_.sensitivity);
  read_[Index(PointerSetting::kSpeed)] = sensitivity.has_value();

  const auto speed = Number(kMouseKey, platform::kMouseSpeed);
  const auto threshold1 = Number(kMouseKey, platform::kMouseThreshold1);
  const auto threshold2 = Number(kMouseKey, platform::kMouseThreshold2);
  state_.accel = {speed.value_or(0), threshold1.value_or(0), threshold2.value_or(0)};
  state_.precision =
      std::any_of(state_.accel.begin(), state_.accel.end(), [](int value) { return value != 0; });
  read_[Index(PointerSetting::kPrecision)] = speed || threshold1 || threshold2;

  const auto time = Number(kMouseKey, platform::kDoubleClickSpeed);
  state_.double_click_ms = time.value_or(480);
  state_.double_click_level = DoubleClickLevelOfTime(state_.double_click_ms);
  read_[Index(PointerSetting::kDoubleClick)] = time.has_value();
}

void PointerPage::ReadDesktopKey() {
  if (!system_->HasKey(kDesktopKey)) return;
  // A value that is missing or not a number leaves the wheel as it was: it
  // is neither shown nor ever written back in another form.
  const auto lines = Number(kDesktopKey, platform::kWheelScrollLines);
  if (!lines) return;
  state_.scroll_lines = *lines;
  state_.one_screen = *lines == -1;
  state_.scroll_level = state_.one_screen ? -1 : ScrollLevelOfLines(*lines);
  state_.saved_scroll_level = state_.one_screen ? 1 : state_.scroll_level;
  read_[Index(PointerSetting::kWheel)] = true;
}

void PointerPage::SliderReleased(Slider slider, int x) {
  SetLevel(slider, std::min(kPointerRuler.PositionAt(x), kLevels - 1) + 1);
}

bool PointerPage::SetLevel(Slider slider, int level) {
  if (level < 1 || level > kLevels) return false;
  switch (slider) {
    case Slider::kSpeed: state_.speed_level = level; break;
    case Slider::kDoubleClick: state_.double_click_level = level; break;
    case Slider::kWheel:
      // The slider is disabled while a screen at a time is on; the command
      // line's level switches that off, as the lamp would.
      state_.one_screen = false;
      state_.scroll_level = level;
      state_.saved_scroll_level = level;
      break;
  }
  changed_[Index(SettingOf(slider))] = true;
  Apply();
  return true;
}

void PointerPage::TogglePrecision() { SetPrecision(!state_.precision); }

void PointerPage::SetPrecision(bool on) {
  state_.precision = on;
  state_.accel = on ? kPrecisionOn : std::array<int, 3>{};
  changed_[Index(PointerSetting::kPrecision)] = true;
  Apply();
}

void PointerPage::ToggleOneScreen() { SetOneScreen(!state_.one_screen); }

void PointerPage::SetOneScreen(bool on) {
  state_.one_screen = on;
  if (on) {
    state_.scroll_level = -1;
  } else {
    // A reading that found a screen at a time returns to level 1.
    state_.scroll_level = std::max(state_.saved_scroll_level, 1);
  }
  changed_[Index(PointerSetting::kWheel)] = true;
  Apply();
}

void PointerPage::Apply() {
  if (system_ == nullptr) return;
  // What the user changed takes its level's value.
  if (changed_[Index(PointerSetting::kSpeed)]) {
    state_.sensitivity = SensitivityOfLevel(state_.speed_level);
  }
  if (changed_[Index(PointerSetting::kDoubleClick)]) {
    state_.double_click_ms = DoubleClickOfLevel(state_.double_click_level);
  }
  if (changed_[Index(PointerSetting::kWheel)]) state_.scroll_lines = state_.scroll_level;
  WriteMouseKey();
  WriteDesktopKey();
  state_.not_applied.clear();
  const auto known = [this](PointerSetting setting) {
    return read_[Index(setting)] || changed_[Index(setting)];
  };
  if (known(PointerSetting::kSpeed)) {
    NoteApplied(PointerSetting::kSpeed, system_->ApplySpeed(state_.sensitivity));
  }
  if (known(PointerSetting::kPrecision)) {
    NoteApplied(PointerSetting::kPrecision,
                system_->ApplyAcceleration(state_.accel[1], state_.accel[2], state_.accel[0]));
  }
  if (known(PointerSetting::kDoubleClick)) {
    NoteApplied(PointerSetting::kDoubleClick,
                system_->ApplyDoubleClickTime(state_.double_click_ms));
  }
  if (known(PointerSetting::kWheel)) {
    NoteApplied(PointerSetting::kWheel, system_->ApplyWheelLines(state_.scroll_lines));
  }
}

void PointerPage::WriteMouseKey() {
  if (!system_->HasKey(kMouseKey)) return;
  const auto write = [this](const char* name, int value) {
    system_->Set(kMouseKey, name, std::to_string(value));
  };
  if (changed_[Index(PointerSetting::kSpeed)])
    write(platform::kMouseSensitivity, state_.sensitivity);
  if (changed_[Index(PointerSetting::kPrecision)]) {
    write(platform::kMouseSpeed, state_.accel[0]);
    write(platform::kMouseThreshold1, state_.accel[1]);
    write(platform::kMouseThreshold2, state_.accel[2]);
  }
  if (changed_[Index(PointerSetting::kDoubleClick)]) {
    write(platform::kDoubleClickSpeed, state_.double_click_ms);
  }
}

void PointerPage::WriteDesktopKey() {
  if (!system_->HasKey(kDesktopKey) || !changed_[Index(PointerSetting::kWheel)]) return;
  system_->Set(kDesktopKey, platform::kWheelScrollLines, std::to_string(state_.scroll_lines));
}

void PointerPage::NoteApplied(PointerSetting setting, platform::Applied applied) {
  if (applied == platform::Applied::kNotHere) state_.not_applied.push_back(setting);
}

}  // namespace orvane::pages
