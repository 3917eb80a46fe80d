#include "core/pages/button_page.h"

#include <algorithm>

#include "core/app/layout_rules.h"
#include "core/config/parameter_fields.h"
#include "core/pages/dpi_page.h"
#include "core/pages/ruler.h"

namespace orvane::pages {

namespace {

constexpr const char* kNoAimButton = "Please select a AIM Key in Profile!";
constexpr uint8_t kAimType = 0x0A;

size_t CodeOffset(int profile, int button) {
  return static_cast<size_t>(27 * (profile - 1) + 3 * (button - 1));
}

}  // namespace

ButtonPage::ButtonPage(config::Configuration& config, Context context)
    : config_(config), context_(std::move(context)) {
  Rebuild();
}

void ButtonPage::ImageShown() {
  state_.page_profile = config::GetKeyMode(config_.data.ParameterB);
  Rebuild();
  // RefreshAIMKey: the level of the AIM button found last, profile 1 first.
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button) {
      if (IsAimButton(profile, button)) {
        state_.aim_level = config_.data.ProfileKeys[CodeOffset(profile, button) + 1];
      }
    }
  }
  Rebuild();
}

void ButtonPage::BeforeWrite() {
  const bool key_mode_saved =
      !config::GetSwitch(config_.data.ParameterA, config::SwitchBit::kKeyModeNotSaved);
  config::SetKeyMode(config_.data.ParameterB, key_mode_saved ? state_.page_profile : 1);
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button) {
      if (!IsAimButton(profile, button)) continue;
      const size_t at = CodeOffset(profile, button);
      config_.data.ProfileKeys[at] = kAimType;
      config_.data.ProfileKeys[at + 1] = static_cast<uint8_t>(state_.aim_level & 0xFF);
      config_.data.ProfileKeys[at + 2] = 0x00;
    }
  }
  Rebuild();
}

void ButtonPage::ShowProfile(int profile) {
  CloseMenu();
  if (profile == 1 || profile == 2) state_.page_profile = profile;
  engineer_view_ = profile == 0;
  Rebuild();
}

void ButtonPage::OpenMenuForLabel(int button) {
  if (button < 1 || button > 9) return;
  state_.menu = {MenuTarget::Kind::kPageLabel, state_.page_profile, button};
}

void ButtonPage::OpenMenuForEngineerButton(int number) {
  const int profile = number / 100;
  const int button = number % 100;
  if ((profile != 1 && profile != 2) || button < 1 || button > 9) return;
  state_.menu = {MenuTarget::Kind::kEngineerButton, profile, button};
}

std::string ButtonPage::CodeOfMenuItem(int tag) const {
  return config::GetCodeByTag(tag, state_.aim_level);
}

std::optional<std::string> ButtonPage::PickFunction(int tag) {
  const MenuTarget target = state_.menu;
  CloseMenu();
  const std::string code = CodeOfMenuItem(tag);
  if (target.kind == MenuTarget::Kind::kNone || code.empty()) return std::nullopt;
  return AssignCode(target.profile, target.button, code);
}

void ButtonPage::ApplyAssemblyKey(const std::string& code) {
  const MenuTarget target = state_.menu;
  CloseMenu();
  // A user-defined key is never the last Left Click's replacement by
  // accident: the dialog is its own confirmation, so the rule is not applied.
  if (target.kind == MenuTarget::Kind::kNone || !config::CodeFromText(code)) return;
  StoreCode(target.profile, target.button, code);
}

std::optional<std::string> ButtonPage::AssignCode(int profile, int button,
                                                  const std::string& code) {
  if (profile < 1 || profile > 2 || button < 1 || button > 9 || !config::CodeFromText(code)) {
    return std::nullopt;
  }
  // A refused pick leaves code and caption as they were: the caption always
  // names the code the button really has.
  if (!KeepsALeftClick(profile, button, code)) return context_.text("Str108");
  StoreCode(profile, button, code);
  return std::nullopt;
}

bool ButtonPage::KeepsALeftClick(int profile, int button, const std::string& code) const {
  const std::string left_click = context_.text("Str210");
  const config::NamingContext naming = context_.naming();
  for (int k = 1; k <= 9; ++k) {
    const std::string name =
        k == button ? config::GetNameByCode(code, naming) : state_.names[profile - 1][k - 1];
    if (name == left_click) return true;
  }
  return false;
}

std::optional<std::string> ButtonPage::PickMacro(const macro::MacroName& name,
                                                 const macro::MacroBody& body,
                                                 macro::BaseMacros& base) {
  const MenuTarget target = state_.menu;
  CloseMenu();
  if (target.kind == MenuTarget::Kind::kNone) return std::nullopt;
  return AssignMacroTo(target, name, body, base);
}

std::optional<std::string> ButtonPage::AssignMacro(int profile, int button,
                                                   const macro::MacroName& name,
                                                   const macro::MacroBody& body,
                                                   macro::BaseMacros& base) {
  if (profile < 1 || profile > 2 || button < 1 || button > 9) return std::nullopt;
  return AssignMacroTo({MenuTarget::Kind::kPageLabel, profile, button}, name, body, base);
}

std::optional<std::string> ButtonPage::AssignMacroTo(const MenuTarget& target,
                                                     const macro::MacroName& name,
                                                     const macro::MacroBody& body,
                                                     macro::BaseMacros& base) {
  macro::MacroAssignment assignment;
  assignment.engineer_page = target.kind == MenuTarget::Kind::kEngineerButton;
  assignment.key_mode = target.profile;
  assignment.button = target.button;
  assignment.captions = state_.names[static_cast<size_t>(target.profile - 1)];
  assignment.left_click_caption = context_.text("Str210");
  const macro::AssignResult result = macro::LB_NameClick(assignment, name, body, config_, base);
  Rebuild();
  switch (result.kind) {
    case macro::AssignResult::Kind::kAssigned: return std::nullopt;
    case macro::AssignResult::Kind::kKeptLeftClick: return context_.text("Str108");
    case macro::AssignResult::Kind::kNoRoom: break;
  }
  // The menu used to do nothing here; saying why is kinder.
  return "No macro slot of the mouse is free for this macro.";
}

std::optional<std::string> ButtonPage::PickDriverMacro(const macro::DriverBlock& block,
                                                       driver_macros::DriverMacros& table) {
  const MenuTarget target = state_.menu;
  CloseMenu();
  if (target.kind == MenuTarget::Kind::kNone) return std::nullopt;
  return AssignDriverMacroTo(target, block, table);
}

std::optional<std::string> ButtonPage::AssignDriverMacro(int profile, int button,
                                                         const macro::DriverBlock& block,
                                                         driver_macros::DriverMacros& table) {
  if (profile < 1 || profile > 2 || button < 1 || button > 9) return std::nullopt;
  return AssignDriverMacroTo({MenuTarget::Kind::kPageLabel, profile, button}, block, table);
}

std::optional<std::string> ButtonPage::AssignDriverMacroTo(const MenuTarget& target,
                                                           const macro::DriverBlock& block,
                                                           driver_macros::DriverMacros& table) {
  const driver_macros::DriverAssignment result = driver_macros::AssignDriverMacro(
      table, block, state_.names[static_cast<size_t>(target.profile - 1)], target.button,
      context_.text("Str210"));
  switch (result.kind) {
    case driver_macros::DriverAssignment::Kind::kAssigned:
      StoreCode(target.profile, target.button, result.code);
      return std::nullopt;
    case driver_macros::DriverAssignment::Kind::kKeptLeftClick: return context_.text("Str108");
    case driver_macros::DriverAssignment::Kind::kNoRoom: break;
  }
  return "The driver's macro table is full: a button can point to 32 macros at most.";
}

std::optional<std::string> ButtonPage::AimSliderReleased(int x, int dpi_count) {
  // With twelve steps the slider reaches 8000, a level the AIM list has no
  // item for; it is kept as the slider shows it.
  return ChooseAimLevel(std::min(GetSliderRulerByX(x, dpi_count), kAimChoices));
}

std::optional<std::string> ButtonPage::ChooseAimLevel(int level) {
  if (level < 0 || level > kAimChoices) return std::nullopt;
  std::optional<std::string> message;
  if (!AnyAimButton()) {
    level = 0;
    message = kNoAimButton;
  }
  state_.aim_level = level;
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button) {
      if (!IsAimButton(profile, button)) continue;
      const size_t at = CodeOffset(profile, button);
      config_.data.ProfileKeys[at] = kAimType;
      config_.data.ProfileKeys[at + 1] = static_cast<uint8_t>(level);
      config_.data.ProfileKeys[at + 2] = 0x00;
    }
  }
  Rebuild();
  return message;
}

void ButtonPage::ClickSwitch(ProfileSwitch which) {
  auto& a = config_.data.ParameterA;
  const auto bit = static_cast<config::OptionBit>(which);
  const bool on = !config::GetOption(a, bit);
  config::SetOption(a, bit, on);
  if (on && which == ProfileSwitch::kMiddleHold) {
    config::SetOption(a, config::OptionBit::kModeSwitchCpiHold, false);
  }
  if (on && which == ProfileSwitch::kDpiHold) {
    config::SetOption(a, config::OptionBit::kModeSwitchMiddleHold, false);
  }
  Rebuild();
}

void ButtonPage::SetSwitch(ProfileSwitch which, bool on) {
  config::SetOption(config_.data.ParameterA, static_cast<config::OptionBit>(which), on);
  Rebuild();
}

void ButtonPage::StoreCode(int profile, int button, const std::string& code) {
  const auto bytes = config::CodeFromText(code);
  if (!bytes) return;
  std::copy(
      bytes->begin(), bytes->end(),
      config_.data.ProfileKeys.begin() + static_cast<std::ptrdiff_t>(CodeOffset(profile, button)));
  Rebuild();
}

bool ButtonPage::IsAimButton(int profile, int button) const {
  return state_.names[profile - 1][button - 1] == context_.text("Str222");
}

bool ButtonPage::AnyAimButton() const {
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button) {
      if (IsAimButton(profile, button)) return true;
    }
  }
  return false;
}

// RefreshKeyNames and everything the views show, from DataBuf.
void ButtonPage::Rebuild() {
  const config::NamingContext naming = context_.naming();
  for (int profile = 1; profile <= 2; ++profile) {
    for (int button = 1; button <= 9; ++button) {
      const size_t at = CodeOffset(profile, button);
      const config::ActionCode bytes = {config_.data.ProfileKeys[at],
                                        config_.data.ProfileKeys[at + 1],
                                        config_.data.ProfileKeys[at + 2]};
      std::string& code = state_.codes[profile - 1][button - 1];
      code = config::CodeText(bytes);
      state_.names[profile - 1][button - 1] = config::GetNameByCode(code, naming);
    }
  }
  const auto& a = config_.data.ParameterA;
  for (int i = 0; i < 3; ++i)
    state_.switches[i] = config::GetOption(a, static_cast<config::OptionBit>(i));
  // A level the 11-item list has no item for shows the nearest one; the
  // stored level stays until the user picks another.
  state_.aim_choice = std::clamp(state_.aim_level, 0, kAimChoices - 1);
  if (state_.aim_level >= 0 && state_.aim_level <= kAimChoices) {
    state_.aim_value = GetDisplayByIndex(state_.aim_level + 1, context_.text);
    state_.aim_slider = state_.aim_level * 100;
  }
  const bool tall = engineer_view_ || (state_.page_profile == 2 && context_.gd_enable);
  state_.key_menu_height = app::KeyMenuHeight(tall);
  state_.gun_switch_shown = !engineer_view_ && state_.page_profile == 2 && context_.gd_enable;
}

}  // namespace orvane::pages
