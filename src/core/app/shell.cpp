#include "core/app/shell.h"

#include "core/app/ini_table.h"
#include "core/app/layout_keys.h"
#include "core/app/layout_rules.h"
#include "core/macro/base_macro_file.h"
#include "core/resources/resources.h"

namespace orvane::app {

Shell::Shell(platform::HidBackend& backend, platform::Pacer& pacer, ShellView& view,
             ShellTimer& timer, std::string exe_dir, platform::DriverBackend* driver,
             platform::PointerSettings* pointer)
    : pacer_(pacer),
      view_(view),
      timer_(timer),
      exe_dir_(std::move(exe_dir)),
      settings_(ShippedOrgSettings()),
      languages_{ShippedLanguage(1), ShippedLanguage(2), ShippedLanguage(3)},
      device_(pacer, *this, settings_, exe_dir_, driver),
      pages_(
          device_, settings_, [this](std::string_view key) { return Text(key); },
          [this] { return Naming(); }, settings_.path.empty() ? exe_dir_ : settings_.path, exe_dir_,
          pointer),
      poll_(backend, device_.link, pacer, *this) {}

config::NamingContext Shell::Naming() const {
  config::NamingContext naming;
  naming.text = [this](std::string_view key) { return Text(key); };
  naming.eeprom_mode = settings_.EepromMode();
  for (const macro::MacroName& name : pages_.base_macros.names)
    naming.macro_names.push_back(macro::DecodeMacroName(name));
  if (!naming.eeprom_mode) pages_.AddDriverMacroNames(naming);
  pages_.AddGunKeys(naming);
  return naming;
}

void Shell::Start() {
  timer_.SetEnabled(false);
  lang_index_ = 1;
  // The library lives beside the program, or in MacroPath.
  pages_.fire.LoadGunKeys();
  const macro::LibraryLoad load = pages_.macros.Load();
  if (!load.ok) view_.ShowMessage(load.error);
  RefreshPCMacroName();
  pages_.pointer.Read();  // RefreshMouseSystemParameterA and B
  RefreshErrorAP();
  LockUi();
  timer_.SetEnabled(true);  // the busy window arms the first poll, 2.5 s from now
}

std::string Shell::Text(std::string_view key) const { return Language(lang_index_).Text(key); }

void Shell::RefreshErrorAP() {
  device_.sessions.InitNoDevice();
  pages_locked_ = true;
  page_ = Page::kMain;
  view_.ShowPage(Page::kMain);
}

void Shell::EnterRemovalState() {
  view_.HideAllMenu();
  device_.sessions.DriverUnplugged();
  RefreshErrorAP();
  view_.ClearMacroLists();
  LockUi();
  timer_.SetEnabled(true);
  view_.ShowMessage(Text("Str100") + "\r\r" + Text("Str101"));
}

void Shell::MouseOpened() { device_.sessions.ReadDevInfo(); }

void Shell::MacroSlotsFilled() {
  macro::ReadAndRefreshMacro(device_.configuration, pages_.base_macros);
}

void Shell::DataBufToUI() {
  // RefreshUI: the key page of the profile the image marks as current.
  if (page_ == Page::kMain || page_ == Page::kSecond) {
    page_ = pages_.buttons.State().page_profile == 2 ? Page::kSecond : Page::kMain;
    view_.SetKeyMenuHeight(pages_.buttons.State().key_menu_height);
    view_.ShowPage(page_);
  }
  view_.ShowConfiguration(device_.configuration);
}

void Shell::RefreshPCMacroName() {
  pages_.macros.ShowList();
  view_.ShowMacroLibraryNames(pages_.macros.State().names);
}

void Shell::ShowBusy() {
  view_.SetBusyVisible(true);
  pacer_.ProcessMessages();
}

void Shell::HideBusy() {
  view_.SetBusyVisible(false);
  pacer_.ProcessMessages();
}

void Shell::ShowMessage(device::Message message, const std::string& detail) {
  const std::string text = Text(app::MessageKey(message));
  view_.ShowMessage(detail.empty() ? text : text + "\r\r" + detail);
}

void Shell::PostReadPageRestore() {
  pages_.pointer.Read();
  pages_locked_ = false;
  if (page_ == Page::kMain) view_.ShowPage(Page::kMain);
}

device::SessionOutcome Shell::ImportBaseMacroFile(const std::string& path) {
  const auto bytes = macro::ReadFileBytes(path, macro::kBaseMacroFileBytes);
  std::string why = "it cannot be read";
  const auto slots = bytes ? macro::ReadBaseMacroFile(*bytes, why) : std::nullopt;
  if (!slots) {
    view_.ShowMessage("The base macros were not imported: " + why + ".");
    return device::SessionOutcome::kFileError;
  }
  const device::SessionOutcome outcome = device_.sessions.ImportBaseMacros(*slots);
  if (outcome == device::SessionOutcome::kNotWritten) {
    view_.ShowMessage("The mouse's chip does not take macro slots: nothing was written.");
  }
  return outcome;
}

bool Shell::Btn_Confirm_0Click() {
  return device_.sessions.Btn_Confirm_0Click() != device::SessionOutcome::kNoDevice;
}

bool Shell::SwitchPage(Page page) {
  if (!device_.link.HandleValid()) {
    view_.ShowMessage(Text("Str020"));
    return false;
  }
  if (pages_locked_) return false;
  view_.HideAllMenu();
  page_ = page;
  if (page == Page::kMain) pages_.buttons.ShowProfile(1);
  if (page == Page::kSecond) pages_.buttons.ShowProfile(2);
  if (page == Page::kEngineer) pages_.buttons.ShowProfile(0);
  view_.SetKeyMenuHeight(pages_.buttons.State().key_menu_height);
  view_.ShowPage(page);
  return true;
}

void Shell::SelectLanguage(int n) {
  if (n < 1 || n > 3) return;
  lang_index_ = n;
  pages_.LanguageChanged();
}

}  // namespace orvane::app
