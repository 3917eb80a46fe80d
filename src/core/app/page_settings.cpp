#include "core/app/page_settings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

#include "core/app/key_menus.h"

namespace orvane::app {

namespace {

constexpr const char* kCodePrefix = "code:";
constexpr const char* kSwitchNames[] = {"switch.middle-hold", "switch.dpi-hold", "switch.gun-hold"};

struct ButtonName {
  int profile = 0;
  int button = 0;
};

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<ButtonName> ParseButtonName(const std::string& name) {
  // "button.P.K"
  if (name.size() != 10 || name.rfind("button.", 0) != 0 || name[8] != '.') return std::nullopt;
  const auto profile = Number(name.substr(7, 1), 1, 2);
  const auto button = Number(name.substr(9, 1), 1, 9);
  if (!profile || !button) return std::nullopt;
  return ButtonName{*profile, *button};
}

std::optional<pages::ProfileSwitch> ParseSwitchName(const std::string& name) {
  for (int i = 0; i < 3; ++i) {
    if (name == kSwitchNames[i]) return static_cast<pages::ProfileSwitch>(i);
  }
  return std::nullopt;
}

// The code a value names: code:XXXXXX, or a function item of the key menus
// by its name in the language of the pages (the first language here).
std::optional<std::string> CodeOfValue(const pages::ButtonPage& page, const std::string& value,
                                       const PageSet::TextLookup& text) {
  if (value.rfind(kCodePrefix, 0) == 0) {
    std::string code = value.substr(5);
    for (char& c : code)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (config::CodeFromText(code)) return code;
    return std::nullopt;
  }
  for (const KeyMenuPanel& panel : KeyMenuPanels()) {
    for (const KeyMenuItem& item : panel.items) {
      if (item.group || item.tag < 900) continue;
      if (text(config::MenuItemNameKey(item.tag)) == value) return page.CodeOfMenuItem(item.tag);
    }
  }
  return std::nullopt;
}

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

std::string ColourText(config::Rgb colour) {
  char text[8];
  std::snprintf(text, sizeof(text), "#%02X%02X%02X", colour.r, colour.g, colour.b);
  return text;
}

std::optional<config::Rgb> ParseColour(const std::string& text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const int high = config::HexDigitValue(text[1 + 2 * i]);
    const int low = config::HexDigitValue(text[2 + 2 * i]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[i] = static_cast<uint8_t>(high * 16 + low);
  }
  return config::Rgb{bytes[0], bytes[1], bytes[2]};
}

std::optional<int> DpiValueIndex(const std::string& text) {
  const auto dpi = Number(text, 1, 100000);
  if (!dpi) return std::nullopt;
  const auto found = std::find(config::kDpiValues.begin(), config::kDpiValues.end(), *dpi);
  if (found == config::kDpiValues.end()) return std::nullopt;
  return static_cast<int>(found - config::kDpiValues.begin());
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

}  // namespace

std::vector<std::string> SettingNames() {
  std::vector<std::string> names;
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button)
      names.push_back("button." + std::to_string(profile) + "." + std::to_string(button));
  }
  names.emplace_back("aim");
  for (const char* name : kSwitchNames)
    names.emplace_back(name);
  names.emplace_back("dpi.count");
  for (int level = 1; level <= pages::kDpiLevels; ++level) {
    names.push_back("dpi." + std::to_string(level));
    names.push_back("dpi." + std::to_string(level) + ".colour");
  }
  names.emplace_back("dpi.current");
  return names;
}

bool GetSetting(const PageSet& pages, const std::string& name, std::string& value) {
  const pages::ButtonPageState& state = pages.buttons.State();
  if (const auto button = ParseButtonName(name)) {
    const std::string& code = state.codes[button->profile - 1][button->button - 1];
    const std::string& shown = state.names[button->profile - 1][button->button - 1];
    // A name is printed only where setting it back gives the same code.
    const auto back = CodeOfValue(pages.buttons, shown, pages.text);
    value = !shown.empty() && back == code ? shown : kCodePrefix + code;
    return true;
  }
  if (name == "aim") {
    value = std::to_string(state.aim_level);
    return true;
  }
  if (const auto which = ParseSwitchName(name)) {
    value = state.switches[static_cast<size_t>(*which)] ? "on" : "off";
    return true;
  }
  return GetDpiSetting(pages.dpi.State(), name, value);
}

SetResult SetSetting(PageSet& pages, const std::string& name, const std::string& value) {
  pages::ButtonPage& page = pages.buttons;
  if (const auto button = ParseButtonName(name)) {
    const auto code = CodeOfValue(page, value, pages.text);
    if (!code) return {SetStatus::kBadValue, "no function is called '" + value + "'"};
    if (auto refusal = page.AssignCode(button->profile, button->button, *code)) {
      return {SetStatus::kRefused, *refusal};
    }
    return {};
  }
  if (name == "aim") {
    const auto level = Number(value, 0, pages::ButtonPage::kAimChoices);
    if (!level) return {SetStatus::kBadValue, "the AIM level is 0..11"};
    if (auto refusal = page.ChooseAimLevel(*level)) return {SetStatus::kRefused, *refusal};
    return {};
  }
  if (const auto which = ParseSwitchName(name)) {
    if (value != "on" && value != "off") return {SetStatus::kBadValue, "on or off"};
    // As a click on the option would: turning one hold on turns the other off.
    if (page.State().switches[static_cast<size_t>(*which)] != (value == "on")) {
      page.ClickSwitch(*which);
    }
    return {};
  }
  if (auto result = SetDpiSetting(pages.dpi, name, value)) return *result;
  return {SetStatus::kUnknownName, "no setting is called '" + name + "'"};
}

}  // namespace orvane::app
