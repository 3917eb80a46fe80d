#include "core/pages/dpi_page.h"

#include <algorithm>
#include <cstdio>

namespace orvane::pages {

namespace {

bool ValidLevel(int level) { return level >= 1 && level <= kDpiLevels; }

SwatchShow SwatchesFor(config::LedType type) {
  switch (type) {
    case config::LedType::kMcuLed: return SwatchShow::kShown;
    case config::LedType::kBreLed: return SwatchShow::kAsBefore;
    default: return SwatchShow::kHidden;
  }
}

}  // namespace

std::string GetDisplayByIndex(int i, const TextLookup& text) {
  if (i < 1 || i > kDpiValueCount) return {};
  char key[8];
  std::snprintf(key, sizeof(key), "Str3%02d", i - 1);
  return text(key);
}

DpiPage::DpiPage(config::Configuration& config, TextLookup text, int dpi_count)
    : config_(config), text_(std::move(text)), dpi_count_(dpi_count) {
  Rebuild();
}

void DpiPage::ImageShown() {
  // The swatches follow the type of the image shown, not the engineer's
  // type choice made since.
  const config::LedType type = config::GetLedType(config_.data.ParameterA);
  state_.led_type_name = config::LedTypeName(type);
  state_.swatches = SwatchesFor(type);
  Rebuild();
}

bool DpiPage::SetLevelCount(int count) {
  if (count < 2 || count > kDpiLevels) return false;
  config::SetDpiLevelChoice(config_.data.ParameterA, count - 2);
  config::SetCurrentDpiLevel(config_.data.ParameterB, static_cast<uint8_t>(count - 1));
  Rebuild();
  return true;
}

bool DpiPage::ToggleLevel(int level) {
  const int count = state_.level_count;
  if (level == count + 1 && level <= kDpiLevels) return SetLevelCount(count + 1);
  if (level == count && level >= 3) return SetLevelCount(count - 1);
  return false;
}

bool DpiPage::SetValue(int level, int index) {
  if (!ValidLevel(level) || index < 0 || index >= kDpiValueCount) return false;
  config::SetDpiValueIndex(config_.data.ParameterA, level, static_cast<uint8_t>(index));
  Rebuild();
  return true;
}

int DpiPage::SliderReleased(int level, int x) {
  const int index = std::min(GetSliderRulerByX(x, dpi_count_), kDpiValueCount - 1);
  SetValue(level, index);
  return index;
}

bool DpiPage::SetColour(int level, config::Rgb colour) {
  if (!ValidLevel(level)) return false;
  config::SetDpiColour(config_.data.ParameterA, level, colour);
  Rebuild();
  return true;
}

std::string DpiPage::SetColourText(int level, Channel channel, std::string_view text) {
  if (!ValidLevel(level)) return std::string(text);
  config::Rgb colour = state_.colours[static_cast<size_t>(level - 1)];
  uint8_t* part = channel == Channel::kRed     ? &colour.r
                  : channel == Channel::kGreen ? &colour.g
                                               : &colour.b;
  // The edit takes digits only; a long run of them still reads as 255.
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::to_string(*part);
    value = std::min(value * 10 + (c - '0'), 256);
  }
  value = std::min(value, 255);
  *part = static_cast<uint8_t>(value);
  SetColour(level, colour);
  // The user's own digits stay while they read the same number.
  return text.empty() || value == 255 ? std::to_string(value) : std::string(text);
}

bool DpiPage::SetCurrent(int level) {
  // A lamp of a level not in use only shows the remembered current level.
  if (level < 1 || level > state_.level_count) return false;
  config::SetCurrentDpiLevel(config_.data.ParameterB, static_cast<uint8_t>(level - 1));
  Rebuild();
  return true;
}

void DpiPage::Rebuild() {
  const auto& a = config_.data.ParameterA;
  state_.level_count = std::clamp(config::GetDpiLevelChoice(a) + 2, 2, kDpiLevels);
  const int current = config::GetCurrentDpiLevel(config_.data.ParameterB) + 1;
  state_.current = std::clamp(current, 1, state_.level_count);
  const int last_step = std::max(dpi_count_ - 1, 0) * 100;
  for (int level = 1; level <= kDpiLevels; ++level) {
    const size_t i = static_cast<size_t>(level - 1);
    const int index = config::GetDpiValueIndex(a, level);
    // 255 (an erased level) shows the first value, as the page always did;
    // anything else beyond the list shows its last value.
    state_.value_index[i] = index == 255 ? 0 : std::min(index, kDpiValueCount - 1);
    state_.slider_value[i] = std::min(state_.value_index[i] * 100, last_step);
    state_.value_text[i] = GetDisplayByIndex(state_.value_index[i] + 1, text_);
    state_.colours[i] = config::GetDpiColour(a, level);
    state_.in_use[i] = level <= state_.level_count;
  }
}

}  // namespace orvane::pages
