#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/config/action_codes.h"
#include "core/config/data_buf.h"
#include "core/device/image_observer.h"
#include "core/driver_macros/driver_macros.h"
#include "core/macro/macro_slots.h"

namespace orvane::pages {

// The three ways the mouse can be told to change profile (ParameterA byte 1).
enum class ProfileSwitch { kMiddleHold = 0, kDpiHold = 1, kGunHold = 2 };

// Where the key menu was opened: a page label Key1..Key9 (the page's own
// profile) or an engineer button btn_Key101..109 / btn_Key201..209.
struct MenuTarget {
  enum class Kind { kNone, kPageLabel, kEngineerButton };
  Kind kind = Kind::kNone;
  int profile = 1;  // 1 or 2
  int button = 1;   // 1..9
};

// What the views draw from.
struct ButtonPageState {
  // Profile1Codes / Profile2Codes and their names in the language in use.
  std::array<std::array<std::string, 9>, 2> codes;
  std::array<std::array<std::string, 9>, 2> names;
  int page_profile = 1;            // the profile the key page shows (rb_1 / rb_2)
  int aim_level = 0;               // AIMLevel, as stored (a byte from the mouse may exceed 11)
  int aim_choice = 0;              // cb_AIMKeyValue: the item shown, 0..10
  std::string aim_value;           // lbl_AIMKeyValue; empty until a level 0..11 is shown
  int aim_slider = 0;              // slider_DPI8: the level's step, 0..1100
  std::array<bool, 3> switches{};  // middle-hold, DPI-hold, gun-hold
  bool gun_switch_shown = false;   // option 3 on this page (where the layout has it)
  int key_menu_height = 170;       // Pnl_Main and Pnl_Special
  MenuTarget menu;
};

// The button assignment page and its engineer view: the nine buttons of each
// profile, the Left Click rule, the AIM level and the profile-switch options.
// Every edit lands in DataBuf at once; the state is rebuilt from it, so the
// page labels and the engineer buttons can never disagree.
class ButtonPage : public device::ImageObserver {
 public:
  static constexpr int kAimChoices = 11;  // "500" .. "6400"

  struct Context {
    // The language table in use: key -> text.
    std::function<std::string(std::string_view key)> text;
    // What naming a code needs besides the language (macro names, gun keys).
    std::function<config::NamingContext()> naming;
    bool gd_enable = false;
  };

  ButtonPage(config::Configuration& config, Context context);

  // RefreshUI for these pages: codes, names, AIM level and options from the
  // image, and the page of the profile the image marks as current.
  void ImageShown() override;
  // Before every write: the shown profile as the current key mode
  // (UIToDataBuf), then every AIM button at AIMLevel (AIMKeyToDataBuf).
  void BeforeWrite() override;
  // The language changed: names follow.
  void LanguageChanged() { Rebuild(); }

  // The page switches to profile 1 or 2 (the engineer page passes 0: both
  // profiles shown, the taller menus).
  void ShowProfile(int profile);
  void OpenMenuForLabel(int button);
  void OpenMenuForEngineerButton(int number);  // 101..109, 201..209
  void CloseMenu() { state_.menu = {}; }

  // KeyStatusOnClick: the function of the menu item with `tag` for the
  // menu's target. Returns the message to show when the pick is refused.
  std::optional<std::string> PickFunction(int tag);
  // ApplyAssemblyKey: the user-defined key from the assembly-key dialog.
  void ApplyAssemblyKey(const std::string& code);
  // Button `button` of `profile` gets `code`, under the Left Click rule (the
  // command line's `button.P.K=...`). Returns the refusal's message.
  std::optional<std::string> AssignCode(int profile, int button, const std::string& code);
  // LB_NameClick (EEPROM mode): a library macro into a slot of the mouse and
  // its code into the button whose menu is open, or into button `button` of
  // `profile` (the command line's `button.P.K=macro:NAME`). Returns the
  // refusal's message: the last Left Click, or no free slot.
  std::optional<std::string> PickMacro(const macro::MacroName& name, const macro::MacroBody& body,
                                       macro::BaseMacros& base);
  std::optional<std::string> AssignMacro(int profile, int button, const macro::MacroName& name,
                                         const macro::MacroBody& body, macro::BaseMacros& base);
  // ChangeProfile1StringForDriverMode: in driver mode a library macro gets
  // a block of the driver's table (its namesake, or a new one) and the
  // button the code that points to it; for the open menu's target or for
  // button `button` of `profile`.
  std::optional<std::string> PickDriverMacro(const macro::DriverBlock& block,
                                             driver_macros::DriverMacros& table);
  std::optional<std::string> AssignDriverMacro(int profile, int button,
                                               const macro::DriverBlock& block,
                                               driver_macros::DriverMacros& table);
  // cb_AIMKeyValueChange and the command line: the level of every AIM
  // button. Returns "Please select a AIM Key in Profile!" when there is none.
  std::optional<std::string> ChooseAimLevel(int level);
  // slider_DPI8MouseUp at x pixels on a slider of `dpi_count` steps.
  std::optional<std::string> AimSliderReleased(int x, int dpi_count);
  // IB_ComboKeyNClick: middle-hold and DPI-hold exclude each other.
  void ClickSwitch(ProfileSwitch which);
  // The engineer check boxes: only the option itself changes.
  void SetSwitch(ProfileSwitch which, bool on);

  const ButtonPageState& State() const { return state_; }
  // The code of a menu item (the AIM item at the current level).
  std::string CodeOfMenuItem(int tag) const;

 private:
  void Rebuild();
  std::optional<std::string> AssignMacroTo(const MenuTarget& target, const macro::MacroName& name,
                                           const macro::MacroBody& body, macro::BaseMacros& base);
  std::optional<std::string> AssignDriverMacroTo(const MenuTarget& target,
                                                 const macro::DriverBlock& block,
                                                 driver_macros::DriverMacros& table);
  bool IsAimButton(int profile, int button) const;
  bool AnyAimButton() const;
  void StoreCode(int profile, int button, const std::string& code);
  bool KeepsALeftClick(int profile, int button, const std::string& code) const;

  config::Configuration& config_;
  Context context_;
  ButtonPageState state_;
  bool engineer_view_ = false;
};

}  // namespace orvane::pages
