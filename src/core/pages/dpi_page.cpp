#include "core/pages/dpi_page.h"

#include <algorithm>

namespace orvane::pages {

namespace {

constexpr int kSliderWidth = 225;
constexpr int kValueCount = static_cast<int>(config::kDpiValues.size());

bool ValidLevel(int level) { return level >= 1 && level <= kDpiLevels; }

}  // namespace

int GetSliderRulerByX(int x, int dpi_count) {
  if (dpi_count < 2) return 0;
  const int step = kSliderWidth / dpi_count;
  const int start = -(step / 4);
  if (x <= start) return 0;
  for (int p = 0; p <= dpi_count - 2; ++p) {
    if (start + step * p < x && x <= start + step * (p + 1)) return p;
  }
  return dpi_count - 1;
}

DpiPage::DpiPage(config::Configuration& config, int dpi_count)
    : config_(config), dpi_count_(dpi_count) {
  Rebuild();
}

bool DpiPage::SetLevelCount(int count) {
  if (count < 2 || count > kDpiLevels) return false;
  config::SetDpiLevelChoice(config_.data.ParameterA, count - 2);
  // Changing the count makes the highest level the current one.
  config::SetCurrentDpiLevel(config_.data.ParameterB, static_cast<uint8_t>(count - 1));
  Rebuild();
  return true;
}

bool DpiPage::SetValue(int level, int index) {
  if (!ValidLevel(level) || index < 0 || index >= kValueCount) return false;
  config::SetDpiValueIndex(config_.data.ParameterA, level, static_cast<uint8_t>(index));
  Rebuild();
  return true;
}

int DpiPage::SliderReleased(int level, int x) {
  const int index = std::min(GetSliderRulerByX(x, dpi_count_), kValueCount - 1);
  SetValue(level, index);
  return index;
}

bool DpiPage::SetColour(int level, config::Rgb colour) {
  if (!ValidLevel(level)) return false;
  config::SetDpiColour(config_.data.ParameterA, level, colour);
  Rebuild();
  return true;
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
  for (int level = 1; level <= kDpiLevels; ++level) {
    const int index = config::GetDpiValueIndex(a, level);
    // 255 (an erased level) shows the first value, as the page always did;
    // anything else beyond the list shows its last value.
    state_.value_index[level - 1] = index == 255 ? 0 : std::min(index, kValueCount - 1);
    state_.colours[level - 1] = config::GetDpiColour(a, level);
    state_.in_use[level - 1] = level <= state_.level_count;
  }
}

}  // namespace orvane::pages
