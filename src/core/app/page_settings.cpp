#include "core/app/page_settings.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "core/app/key_menus.h"
#include "core/app/page_setting_parts.h"
#include "core/app/setting_values.h"

namespace orvane::app {

namespace {

constexpr const char* kCodePrefix = "code:";
constexpr const char* kMacroPrefix = "macro:";
constexpr const char* kFirePrefix = "fire:";
constexpr const char* kSwitchNames[] = {"switch.middle-hold", "switch.dpi-hold", "switch.gun-hold"};

struct ButtonName {
  int profile = 0;
  int button = 0;
};

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
  AddDpiSettingNames(names);
  AddLightingSettingNames(names);
  AddFireSettingNames(names);
  AddPointerSettingNames(names);
  AddEngineerSettingNames(names);
  return names;
}

bool GetSetting(const PageSet& pages, const std::string& name, std::string& value) {
  const pages::ButtonPageState& state = pages.buttons.State();
  if (const auto button = ParseButtonName(name)) {
    const std::string& code = state.codes[button->profile - 1][button->button - 1];
    const std::string& shown = state.names[button->profile - 1][button->button - 1];
    // A name is printed only where setting it back gives the same code; a
    // slot's macro by the name it is assigned with.
    const auto back = CodeOfValue(pages.buttons, shown, pages.text);
    const bool macro = code.rfind("06", 0) == 0 || code.rfind("0E", 0) == 0;
    const std::optional<int> gun = pages.fire.GunOfCode(code);
    if (gun) {
      value = kFirePrefix + std::to_string(*gun);
    } else if (macro && !shown.empty()) {
      value = kMacroPrefix + shown;
    } else {
      value = !shown.empty() && back == code ? shown : kCodePrefix + code;
    }
    return true;
  }
  if (name == "aim") {
    value = std::to_string(state.aim_level);
    return true;
  }
  if (const auto which = ParseSwitchName(name)) {
    value = OnOffText(state.switches[static_cast<size_t>(*which)]);
    return true;
  }
  return GetDpiSetting(pages.dpi.State(), name, value) ||
         GetLightingSetting(pages.lighting.State(), name, value) ||
         GetFireSetting(pages.fire, name, value) ||
         GetPointerSetting(pages.pointer.State(), name, value) ||
         GetEngineerSetting(pages.engineer.State(), name, value);
}

SetResult SetSetting(PageSet& pages, const std::string& name, const std::string& value) {
  pages::ButtonPage& page = pages.buttons;
  if (const auto button = ParseButtonName(name)) {
    if (value.rfind(kMacroPrefix, 0) == 0) {
      const auto refusal =
          pages.AssignLibraryMacro(value.substr(6), button->profile, button->button);
      if (refusal) return {SetStatus::kRefused, *refusal};
      return {};
    }
    if (value.rfind(kFirePrefix, 0) == 0) {
      const auto gun = Number(value.substr(5), 1, pages::FirePage::kGuns);
      if (!gun) return {SetStatus::kBadValue, "the guns are fire:1 .. fire:7"};
      if (auto refusal = pages.fire.BindGun(button->profile, button->button, *gun)) {
        return {SetStatus::kRefused, *refusal};
      }
      // The write that follows sends the gun's fire macros with the binding.
      pages.fire.CopySlotsToBlock();
      return {};
    }
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
    const auto on = OnOff(value);
    if (!on) return {SetStatus::kBadValue, "on or off"};
    // As a click on the option would: turning one hold on turns the other off.
    if (page.State().switches[static_cast<size_t>(*which)] != *on) {
      page.ClickSwitch(*which);
    }
    return {};
  }
  if (auto result = SetDpiSetting(pages.dpi, name, value)) return *result;
  if (auto result = SetLightingSetting(pages.lighting, name, value)) return *result;
  if (auto result = SetFireSetting(pages.fire, name, value)) return *result;
  if (auto result = SetPointerSetting(pages.pointer, name, value)) return *result;
  if (auto result = SetEngineerSetting(pages.engineer, name, value)) return *result;
  return {SetStatus::kUnknownName, "no setting is called '" + name + "'"};
}

}  // namespace orvane::app
