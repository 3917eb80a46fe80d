#include <array>
#include <string_view>

#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

namespace {

using pages::LightOption;

constexpr std::array<std::string_view, 4> kTypeNames = {"strip", "two-colour", "sync", "breathing"};

struct OptionName {
  const char* name;
  LightOption option;
};
// Brightness reads full/half; the others on/off.
constexpr OptionName kOptionNames[] = {
    {"light.status", LightOption::kLightOn},
    {"light.onoff-keys", LightOption::kSwitchKeys},
    {"light.mode-keys", LightOption::kModeKeys},
    {"light.brightness", LightOption::kFullBright},
    {"light.save-key-mode", LightOption::kKeyModeSaved},
};

std::optional<LightOption> ParseOptionName(const std::string& name) {
  for (const OptionName& option : kOptionNames) {
    if (name == option.name) return option.option;
  }
  return std::nullopt;
}

std::string OptionText(LightOption option, bool on) {
  if (option == LightOption::kFullBright) return on ? "full" : "half";
  return OnOffText(on);
}

std::optional<bool> ParseOption(LightOption option, const std::string& value) {
  if (option != LightOption::kFullBright) return OnOff(value);
  if (value == "full" || value == "half") return value == "full";
  return std::nullopt;
}

// "light.mode.K": mode K's enable box.
std::optional<int> ParseModeEnableName(const std::string& name) {
  if (name.size() != 12 || name.rfind("light.mode.", 0) != 0) return std::nullopt;
  return Number(name.substr(11), 1, pages::kLedModes);
}

std::string TypeLacks(const pages::LightingPageState& state, const char* what) {
  return "the LED type " + std::string(kTypeNames[static_cast<size_t>(state.type)]) + " has no " +
         what + " (see light.type)";
}

SetResult Refused(const pages::LightingPageState& state, const char* what) {
  return {SetStatus::kRefused, TypeLacks(state, what)};
}

std::optional<SetResult> SetLightingNumber(pages::LightingPage& page, const std::string& name,
                                           const std::string& value) {
  const pages::LightingPageState& state = page.State();
  if (name == "light.mode") {
    const auto mode = Number(value, 1, pages::kLedModes);
    if (!mode) return SetResult{SetStatus::kBadValue, "a mode is 1..7"};
    const bool done =
        state.type == config::LedType::kRbLed ? page.SetRbMode(*mode) : page.SetMcuMode(*mode);
    return done ? SetResult{} : Refused(state, "modes");
  }
  if (name == "light.count") {
    const auto count = Number(value, 4, 13);
    if (!count) return SetResult{SetStatus::kBadValue, "the strip has 4..13 LEDs"};
    return page.ClickCountPicture(*count - 3) ? SetResult{} : Refused(state, "LED count");
  }
  if (name == "light.speed") {
    const auto speed = Number(value, 0, 7);
    if (!speed) return SetResult{SetStatus::kBadValue, "the speed is 0..7"};
    return page.ClickSpeedPicture(*speed + 1) ? SetResult{} : Refused(state, "speed");
  }
  return std::nullopt;
}

}  // namespace

void AddLightingSettingNames(std::vector<std::string>& names) {
  names.emplace_back("light.type");
  for (const OptionName& option : kOptionNames)
    names.emplace_back(option.name);
  names.emplace_back("light.mode");
  for (int mode = 1; mode <= pages::kLedModes; ++mode)
    names.push_back("light.mode." + std::to_string(mode));
  names.emplace_back("light.count");
  names.emplace_back("light.speed");
}

bool GetLightingSetting(const pages::LightingPageState& state, const std::string& name,
                        std::string& value) {
  if (name == "light.type") {
    value = kTypeNames[static_cast<size_t>(state.type)];
  } else if (const auto option = ParseOptionName(name)) {
    value = OptionText(*option, state.Option(*option));
  } else if (name == "light.mode") {
    const bool rb = state.type == config::LedType::kRbLed;
    value = rb || state.shows.strip ? std::to_string((rb ? state.rb_mode : state.mcu_mode) + 1)
                                    : "none";
  } else if (const auto mode = ParseModeEnableName(name)) {
    value = OnOffText(state.modes_enabled[static_cast<size_t>(*mode - 1)]);
  } else if (name == "light.count") {
    value = state.count_text;
  } else if (name == "light.speed") {
    value = state.speed_text;
  } else {
    return false;
  }
  return true;
}

std::optional<SetResult> SetLightingSetting(pages::LightingPage& page, const std::string& name,
                                            const std::string& value) {
  if (name == "light.type") {
    for (size_t i = 0; i < kTypeNames.size(); ++i) {
      if (value != kTypeNames[i]) continue;
      page.SetType(static_cast<config::LedType>(i));
      return SetResult{};
    }
    return SetResult{SetStatus::kBadValue, "the LED type is strip, two-colour, sync or breathing"};
  }
  if (const auto option = ParseOptionName(name)) {
    const auto on = ParseOption(*option, value);
    if (!on) {
      return SetResult{SetStatus::kBadValue,
                       *option == LightOption::kFullBright ? "full or half" : "on or off"};
    }
    return page.SetOption(*option, *on) ? SetResult{} : Refused(page.State(), "mode-switch keys");
  }
  if (const auto mode = ParseModeEnableName(name)) {
    const auto on = OnOff(value);
    if (!on) return SetResult{SetStatus::kBadValue, "on or off"};
    return page.EnableMode(*mode, *on) ? SetResult{} : Refused(page.State(), "strip modes");
  }
  return SetLightingNumber(page, name, value);
}

}  // namespace orvane::app
