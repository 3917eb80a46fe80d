#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/app/device_stack.h"
#include "core/app/org_settings.h"
#include "core/device/live_state.h"
#include "core/pages/button_page.h"
#include "core/pages/dpi_page.h"
#include "core/pages/drv_state.h"
#include "core/pages/engineer_page.h"
#include "core/pages/fire_macro_editor.h"
#include "core/pages/fire_page.h"
#include "core/pages/lighting_page.h"
#include "core/pages/macro_library_page.h"
#include "core/pages/pointer_page.h"

namespace orvane::app {

// Every page's controller over one configuration, each listening to the
// sessions. The window and orvanectl build theirs here, so a page's rules
// hold the same on screen and on the command line.
struct PageSet : device::LiveStatePages {
  using TextLookup = std::function<std::string(std::string_view key)>;
  using NamingSource = std::function<config::NamingContext()>;

  // `library_folder`: where the macro library's file lives; `program_folder`:
  // the program's own, where the gun-key list lives; both with a trailing
  // separator. `pointer_system`: the user's pointer settings, if any.
  PageSet(DeviceStack& device, const OrgSettings& org, TextLookup text, NamingSource naming,
          const std::string& library_folder, const std::string& program_folder,
          platform::PointerSettings* pointer_system = nullptr)
      : configuration(device.configuration),
        text(text),
        driver_macros(device.sessions.DriverMacros()),
        buttons(device.configuration, {text, naming, org.gd_enable}),
        dpi(device.configuration, text, org.dpi_count),
        lighting(device.configuration),
        macros({text, library_folder, org.EepromMode(), &driver_macros}),
        fire(device.configuration, device.sessions, buttons, gun_keys,
             {text, org.gun6_num, org.gun7_num, program_folder + fire::GunKeyList::kFileName}),
        fire_editor(device.configuration, text, &recording),
        engineer(device.configuration),
        pointer(pointer_system) {
    device.sessions.AddObserver(&buttons);
    device.sessions.AddObserver(&dpi);
    device.sessions.AddObserver(&lighting);
    device.sessions.AddObserver(&fire);
    device.sessions.AddObserver(&fire_editor);
    device.sessions.AddObserver(&engineer);
    device.sessions.SetLiveStatePages(this);
  }
  PageSet(const PageSet&) = delete;
  PageSet& operator=(const PageSet&) = delete;

  // The live state of driver mode, as the DPI, lighting and engineer pages
  // hold it; byte 2 is the driver's, passed on.
  device::DrvState FillLiveState(const device::DrvState& from_driver) override {
    return pages::FillDrvState(dpi.State(), lighting.State(), engineer.State().smoothing,
                               from_driver);
  }
  void ShowLiveState(const device::DrvState& state) override {
    engineer.SetSmoothing(pages::ShowDrvState(state, dpi, lighting));
  }
  void ShowLedType(const std::string& led_type_name) override {
    for (const config::LedType type : {config::LedType::kMcuLed, config::LedType::kRbLed,
                                       config::LedType::kSyncLed, config::LedType::kBreLed}) {
      if (led_type_name == config::LedTypeName(type)) lighting.SetType(type);
    }
  }

  // Driver mode names macro codes by the blocks of the driver's table.
  void AddDriverMacroNames(config::NamingContext& naming) const {
    naming.macro_names.clear();
    for (const macro::DriverBlock& block : driver_macros)
      naming.macro_names.push_back(macro::DecodeMacroName(
          std::span<const uint8_t, macro::kNameBytes>(block.data(), macro::kNameBytes)));
    naming.driver_macro_count = static_cast<int>(driver_macros.size());
  }

  // What naming a code needs from the pages: the gun-key list.
  void AddGunKeys(config::NamingContext& naming) const {
    naming.gun_key_list_loaded = gun_keys.Loaded();
    naming.gun_key_list = gun_keys.Strings();
  }

  // A new language: every name the pages show follows.
  void LanguageChanged() {
    buttons.LanguageChanged();
    dpi.LanguageChanged();
  }

  // LB_NameClick from anywhere: the library macro `name` into a slot and
  // its code into button `button` of `profile`, or of the open key menu's
  // target when `profile` is 0. Returns the message to show.
  std::optional<std::string> AssignLibraryMacro(const std::string& name, int profile = 0,
                                                int button = 0) {
    if (!macros.Loaded()) macros.Load();
    const auto entry = macros.Find(name);
    if (!entry) return "No macro of the library is called '" + name + "'.";
    if (!macros.EepromMode()) {
      const macro::DriverBlock block = macros.BlockOf(*entry);
      return profile == 0 ? buttons.PickDriverMacro(block, driver_macros)
                          : buttons.AssignDriverMacro(profile, button, block, driver_macros);
    }
    // The slot copies of the configuration are the mouse's: start from them.
    macro::ReadAndRefreshMacro(configuration, base_macros);
    const macro::MacroName& stored = macros.Entry(*entry).name;
    const macro::MacroBody body = macros.BodyOf(*entry);
    return profile == 0 ? buttons.PickMacro(stored, body, base_macros)
                        : buttons.AssignMacro(profile, button, stored, body, base_macros);
  }

  config::Configuration& configuration;
  TextLookup text;                             // the language the pages name things in
  driver_macros::DriverMacros& driver_macros;  // DriverMacros, kept by the sessions
  // Before the pages: the button page names gun keys from it as it is made.
  fire::GunKeyList gun_keys;
  pages::ButtonPage buttons;
  pages::DpiPage dpi;
  pages::LightingPage lighting;
  pages::MacroLibraryPage macros;
  macro::BaseMacros base_macros;   // the mouse's six slots
  pages::RecordingGate recording;  // one recording at a time, on any page
  pages::FirePage fire;
  pages::FireMacroEditor fire_editor;
  pages::EngineerPage engineer;  // the settings no user page shows
  pages::PointerPage pointer;    // the user's pointer settings, not the mouse's
};

}  // namespace orvane::app
