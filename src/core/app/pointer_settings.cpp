#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

namespace {

using Slider = pages::PointerPage::Slider;

constexpr const char* kLevels = "a level is 1..11";

std::optional<Slider> SliderOf(const std::string& name) {
  if (name == "pointer.speed") return Slider::kSpeed;
  if (name == "pointer.double-click") return Slider::kDoubleClick;
  if (name == "pointer.wheel") return Slider::kWheel;
  return std::nullopt;
}

// A level never read shows as "unset".
std::string LevelText(int level) { return level > 0 ? std::to_string(level) : "unset"; }

}  // namespace

void AddPointerSettingNames(std::vector<std::string>& names) {
  for (const char* name :
       {"pointer.speed", "pointer.precision", "pointer.double-click", "pointer.wheel"})
    names.emplace_back(name);
}

bool GetPointerSetting(const pages::PointerPageState& state, const std::string& name,
                       std::string& value) {
  if (name == "pointer.speed") {
    value = LevelText(state.speed_level);
  } else if (name == "pointer.precision") {
    value = OnOffText(state.precision);
  } else if (name == "pointer.double-click") {
    value = LevelText(state.double_click_level);
  } else if (name == "pointer.wheel") {
    value = state.one_screen ? "screen" : LevelText(state.scroll_level);
  } else {
    return false;
  }
  return true;
}

std::optional<SetResult> SetPointerSetting(pages::PointerPage& page, const std::string& name,
                                           const std::string& value) {
  if (name == "pointer.precision") {
    const auto on = OnOff(value);
    if (!on) return SetResult{SetStatus::kBadValue, "precision is on or off"};
    page.SetPrecision(*on);
    return SetResult{};
  }
  const auto slider = SliderOf(name);
  if (!slider) return std::nullopt;
  if (*slider == Slider::kWheel && value == "screen") {
    page.SetOneScreen(true);
    return SetResult{};
  }
  const auto level = Number(value, 1, 11);
  if (!level) {
    return SetResult{SetStatus::kBadValue,
                     *slider == Slider::kWheel ? "the wheel is a level 1..11 or screen" : kLevels};
  }
  page.SetLevel(*slider, *level);
  return SetResult{};
}

}  // namespace orvane::app
