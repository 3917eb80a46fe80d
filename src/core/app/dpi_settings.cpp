#include <algorithm>

#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

namespace {

// "dpi.N" and "dpi.N.colour": the level, and whether the colour is meant.
struct DpiName {
  int level = 0;
  bool colour = false;
};

std::optional<DpiName> ParseDpiName(const std::string& name) {
  if (name.rfind("dpi.", 0) != 0 || name.size() < 5) return std::nullopt;
  const auto level = Number(name.substr(4, 1), 1, pages::kDpiLevels);
  if (!level) return std::nullopt;
  if (name.size() == 5) return DpiName{*level, false};
  if (name.substr(5) == ".colour") return DpiName{*level, true};
  return std::nullopt;
}

std::optional<int> DpiValueIndex(const std::string& text) {
  const auto dpi = Number(text, 1, 100000);
  if (!dpi) return std::nullopt;
  const auto found = std::find(config::kDpiValues.begin(), config::kDpiValues.end(), *dpi);
  if (found == config::kDpiValues.end()) return std::nullopt;
  return static_cast<int>(found - config::kDpiValues.begin());
}

}  // namespace

void AddDpiSettingNames(std::vector<std::string>& names) {
  names.emplace_back("dpi.count");
  for (int level = 1; level <= pages::kDpiLevels; ++level) {
    names.push_back("dpi." + std::to_string(level));
    names.push_back("dpi." + std::to_string(level) + ".colour");
  }
  names.emplace_back("dpi.current");
}

bool GetDpiSetting(const pages::DpiPageState& state, const std::string& name, std::string& value) {
  if (name == "dpi.count") {
    value = std::to_string(state.level_count);
  } else if (name == "dpi.current") {
    value = std::to_string(state.current);
  } else if (const auto dpi = ParseDpiName(name)) {
    value = dpi->colour ? ColourText(state.colours[dpi->level - 1])
                        : std::to_string(config::kDpiValues[state.value_index[dpi->level - 1]]);
  } else {
    return false;
  }
  return true;
}

std::optional<SetResult> SetDpiSetting(pages::DpiPage& page, const std::string& name,
                                       const std::string& value) {
  if (name == "dpi.count") {
    const auto count = Number(value, 2, pages::kDpiLevels);
    if (!count) return SetResult{SetStatus::kBadValue, "the level count is 2..7"};
    page.SetLevelCount(*count);
    return SetResult{};
  }
  if (name == "dpi.current") {
    const int count = page.State().level_count;
    const auto level = Number(value, 1, count);
    if (!level) {
      return SetResult{SetStatus::kBadValue, "the current level is 1.." + std::to_string(count)};
    }
    page.SetCurrent(*level);
    return SetResult{};
  }
  const auto dpi = ParseDpiName(name);
  if (!dpi) return std::nullopt;
  if (dpi->colour) {
    const auto colour = ParseColour(value);
    if (!colour) return SetResult{SetStatus::kBadValue, "a colour is #RRGGBB"};
    page.SetColour(dpi->level, *colour);
  } else {
    const auto index = DpiValueIndex(value);
    if (!index) {
      return SetResult{SetStatus::kBadValue,
                       "a DPI value is one of 500 800 1000 1200 1600 2000 2400 3200 4000 4800 "
                       "6400 8000"};
    }
    page.SetValue(dpi->level, *index);
  }
  return SetResult{};
}

}  // namespace orvane::app
