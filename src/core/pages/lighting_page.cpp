#include "core/pages/lighting_page.h"

#include <algorithm>

#include "core/pages/ruler.h"

namespace orvane::pages {

namespace {

using config::LedType;

bool ValidMode(int mode) { return mode >= 1 && mode <= kLedModes; }

// The number an edit of digits holds; empty reads 0. Anything else: none.
std::optional<int> Digits(std::string_view text, int ceiling) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), ceiling);
  }
  return value;
}

}  // namespace

LightingShows ShowsFor(LedType type) {
  switch (type) {
    case LedType::kMcuLed: return {false, true, true, true, true};
    case LedType::kRbLed: return {true, true, false, false, false};
    default: return {};
  }
}

bool PictureLit(int dpiled_status, int picture, int current) {
  if (current < 1) return false;
  return dpiled_status == 1 ? picture == current : picture <= current;
}

LightingPage::LightingPage(config::Configuration& config) : config_(config) { ImageShown(); }

void LightingPage::ImageShown() {
  const auto& a = config_.data.ParameterA;
  const uint8_t led_state = config_.data.ParameterB[2];
  auto& options = state_.options;
  options[static_cast<size_t>(LightOption::kLightOn)] = (led_state & config::kLedOffBit) == 0;
  options[static_cast<size_t>(LightOption::kSwitchKeys)] =
      config::GetSwitch(a, config::SwitchBit::kLedSwitchKeys);
  options[static_cast<size_t>(LightOption::kModeKeys)] =
      config::GetSwitch(a, config::SwitchBit::kLedModeKeys);
  options[static_cast<size_t>(LightOption::kFullBright)] = config::GetMcuLedFullBright(a);
  options[static_cast<size_t>(LightOption::kKeyModeSaved)] =
      !config::GetSwitch(a, config::SwitchBit::kKeyModeNotSaved);
  state_.type = config::GetLedType(a);
  state_.led_type_name = config::LedTypeName(state_.type);
  // A code for fewer than four LEDs shows the nearest strip, four LEDs.
  const int count = config::GetMcuLedCount(a).value_or(4);
  state_.count_text = std::to_string(count);
  state_.count_lit = count - 3;
  state_.modes_enabled = config::GetMcuLedModes(a);
  // Mode 0 ("none") shows the first mode.
  const int mode = std::max((led_state & config::kLedModeBits) - 1, 0);
  state_.mcu_mode = 0;
  if (state_.type == LedType::kRbLed) state_.rb_mode = mode;
  if (state_.type == LedType::kMcuLed) {
    state_.mcu_mode = mode;
    DrawSpeed(led_state >> 5);
  }
  Redraw();
}

void LightingPage::SetType(LedType type) {
  // A click on the type already chosen changes nothing stored.
  if (type == state_.type) return;
  state_.type = type;
  config::SetLedType(config_.data.ParameterA, type);
  // The mode mask belongs to the strip, and the state byte means something
  // else for each type.
  config::SetMcuLedModes(config_.data.ParameterA, type, state_.modes_enabled);
  const int speed = Digits(state_.speed_text, 7).value_or(0);
  const uint8_t bits = config::EncodeLedState(
      type, {type == LedType::kRbLed ? state_.rb_mode : state_.mcu_mode, false, speed});
  config::UpdateLedStateBits(config_.data.ParameterB, config::kLedModeBits | config::kLedSpeedBits,
                             bits);
  Redraw();
}

bool LightingPage::SetOption(LightOption option, bool on) {
  if (option == LightOption::kModeKeys && !state_.shows.mode_keys) return false;
  state_.options[static_cast<size_t>(option)] = on;
  auto& a = config_.data.ParameterA;
  switch (option) {
    case LightOption::kLightOn:
      config::UpdateLedStateBits(config_.data.ParameterB, config::kLedOffBit,
                                 on ? 0 : config::kLedOffBit);
      break;
    case LightOption::kSwitchKeys:
      config::SetSwitch(a, config::SwitchBit::kLedSwitchKeys, on);
      break;
    case LightOption::kModeKeys: config::SetSwitch(a, config::SwitchBit::kLedModeKeys, on); break;
    case LightOption::kFullBright: config::SetMcuLedFullBright(a, on); break;
    case LightOption::kKeyModeSaved:
      config::SetSwitch(a, config::SwitchBit::kKeyModeNotSaved, !on);
      break;
  }
  return true;
}

bool LightingPage::EnableMode(int mode, bool enabled) {
  // Only the strip stores its modes' mask.
  if (!StripShown() || !ValidMode(mode)) return false;
  state_.modes_enabled[static_cast<size_t>(mode - 1)] = enabled;
  config::SetMcuLedModes(config_.data.ParameterA, state_.type, state_.modes_enabled);
  // The list of modes is rebuilt, and its choice starts again at the first.
  state_.mcu_mode = 0;
  StoreMode();
  return true;
}

bool LightingPage::SetMcuMode(int mode) {
  if (!StripShown() || !ValidMode(mode)) return false;
  state_.mcu_mode = mode - 1;
  StoreMode();
  return true;
}

bool LightingPage::ClickMcuModePicture(int mode) {
  if (!SetMcuMode(mode)) return false;
  state_.rb_mode = mode - 1;
  return true;
}

bool LightingPage::SetRbMode(int mode) {
  if (!state_.shows.rb_modes || !ValidMode(mode)) return false;
  state_.rb_mode = mode - 1;
  StoreMode();
  return true;
}

bool LightingPage::ClickCountPicture(int picture) {
  if (!StripShown() || picture < 1 || picture > kLedCountPictures) return false;
  StoreCount(picture + 3);
  return true;
}

std::string LightingPage::EditCount(std::string_view text) {
  const auto typed = Digits(text, 100);
  if (!typed) return state_.count_text;
  int value = *typed;
  // 1 may become 10..13 with the next digit, so it stays while typing.
  if (value == 0 || value == 2 || value == 3) value = 4;
  value = std::min(value, 13);
  if (value == 1) {
    state_.count_text = "1";
    state_.count_lit = 0;
  } else {
    StoreCount(value);
  }
  return state_.count_text;
}

std::string LightingPage::LeaveCount() {
  if (state_.count_text == "1") StoreCount(4);
  return state_.count_text;
}

bool LightingPage::ClickSpeedPicture(int picture) {
  if (!StripShown() || picture < 1 || picture > kLedSpeedPictures) return false;
  StoreSpeed(picture - 1);
  return true;
}

std::string LightingPage::EditSpeed(std::string_view text) {
  if (const auto typed = Digits(text, 100)) StoreSpeed(std::min(*typed, 7));
  return state_.speed_text;
}

int LightingPage::SpeedSliderReleased(int x) {
  const int position = kBreathSpeedRuler.PositionAt(x);
  StoreSpeed(7 - position);
  return 7 - position;
}

void LightingPage::StoreCount(int count) {
  state_.count_text = std::to_string(count);
  state_.count_lit = count - 3;
  config::SetMcuLedCount(config_.data.ParameterA, count);
}

void LightingPage::StoreSpeed(int code) {
  DrawSpeed(code);
  if (state_.type == LedType::kMcuLed) {
    config::UpdateLedStateBits(config_.data.ParameterB, config::kLedSpeedBits,
                               static_cast<uint8_t>(code << 5));
  }
}

// The pictures, the edit and the slider always show the same speed: the
// slider stands at the left for the slowest.
void LightingPage::DrawSpeed(int code) {
  state_.speed_text = std::to_string(code);
  state_.speed_lit = code + 1;
  state_.speed_slider = (7 - code) * 100;
}

void LightingPage::StoreMode() {
  const LedType type = state_.type;
  const int mode = type == LedType::kRbLed ? state_.rb_mode : state_.mcu_mode;
  const uint8_t bits = config::EncodeLedState(type, {mode, false, 0});
  config::UpdateLedStateBits(config_.data.ParameterB, config::kLedModeBits, bits);
}

void LightingPage::Redraw() { state_.shows = ShowsFor(state_.type); }

}  // namespace orvane::pages
