#pragma once

#include <array>
#include <memory>
#include <string>

#include "core/app/device_stack.h"
#include "core/app/language_table.h"
#include "core/app/org_settings.h"
#include "core/app/page_set.h"
#include "core/app/shell_view.h"
#include "core/device/device_link.h"
#include "core/device/device_poll.h"
#include "core/device/device_sessions.h"
#include "core/macro/macro_library.h"
#include "core/macro/macro_slots.h"
#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::app {

// The main window's state and behaviour without its widgets: start-up, the
// no-device state, the connection watch and its messages, the read and write
// buttons, page switching. The window forwards clicks and timer ticks here.
class Shell : public device::PollListener, public device::SessionUi {
 public:
  static constexpr int kDevTimerMs = 2500;

  // `driver`: the vendor driver's devices, used in driver mode; `pointer`:
  // the user's pointer settings.
  Shell(platform::HidBackend& backend, platform::Pacer& pacer, ShellView& view, ShellTimer& timer,
        std::string exe_dir, platform::DriverBackend* driver = nullptr,
        platform::PointerSettings* pointer = nullptr);

  // FormCreate of both windows: settings, tables, the no-device state, and
  // DevTimer armed.
  void Start();
  // DevTimer's tick.
  device::PollOutcome DevTimerTimer() { return poll_.DevTimerTimer(); }

  // Buttons.
  device::SessionOutcome Btn_Read_0Click() { return device_.sessions.Btn_Read_0Click(); }
  device::SessionOutcome Btn_Apply_0Click() { return device_.sessions.Btn_Apply_0Click(); }
  device::SessionOutcome Btn_DefaultClick() { return device_.sessions.Btn_DefaultClick(); }
  // True when the window is to close afterwards.
  bool Btn_Confirm_0Click();
  device::SessionOutcome LoadStoredConfiguration(int n) {
    return device_.sessions.LoadStoredConfiguration(n);
  }
  device::SessionOutcome SaveProfile(const std::string& chosen) {
    return device_.sessions.SaveProfile(chosen);
  }
  // Btn_ImportBaseMacroClick: a base-macro file, checked, into slots 1 to 4
  // of the mouse; a file that fails its checks is refused with the reason.
  device::SessionOutcome ImportBaseMacroFile(const std::string& path);
  device::SessionOutcome LoadProfile(const std::string& path) {
    return device_.sessions.LoadProfile(path);
  }
  // A page button; false when the page did not change.
  bool SwitchPage(Page page);
  // The language buttons: layout and language n (1..3).
  void SelectLanguage(int n);

  // The language table in use: a key's text.
  std::string Text(std::string_view key) const;
  const LanguageTable& Language(int n) const { return languages_[static_cast<size_t>(n - 1)]; }

  PageSet& Pages() { return pages_; }
  const PageSet& Pages() const { return pages_; }
  // What naming an action code needs in the language in use.
  config::NamingContext Naming() const;
  bool PagesLocked() const { return pages_locked_; }
  Page CurrentPage() const { return page_; }
  int LangIndex() const { return lang_index_; }
  const OrgSettings& Settings() const { return settings_; }
  const config::Configuration& Configuration() const { return device_.configuration; }
  config::Configuration& Configuration() { return device_.configuration; }
  const device::DeviceLink& Link() const { return device_.link; }
  const device::DevicePoll& Poll() const { return poll_; }
  bool MouseConnected() const { return device_.link.HandleValid(); }
  // LB_MacroName: the names of the six mouse macro slots.
  bool EngineerUnlocked() const { return engineer_unlocked_; }
  void UnlockEngineer() { engineer_unlocked_ = true; }

  // PollListener.
  void EnterRemovalState() override;
  void MouseOpened() override;

  // SessionUi.
  void DisableDevTimer() override { timer_.SetEnabled(false); }
  void EnableDevTimer() override { timer_.SetEnabled(true); }
  void LockUi() override { view_.SetInputBlocked(true); }
  void UnlockUi() override { view_.SetInputBlocked(false); }
  void ShowBusy() override;
  void HideBusy() override;
  void HideAllMenu() override { view_.HideAllMenu(); }
  void ShowMessage(device::Message message, const std::string& detail) override;
  void ShowProblem(const std::string& what) override { view_.ShowMessage(what); }
  void DataBufToUI() override;
  void MacroSlotsFilled() override;
  // The library's names to the macro lists.
  void RefreshPCMacroName() override;
  void PostReadPageRestore() override;
  void ApplyPointerSettings() override { pages_.pointer.Apply(); }
  void ShowReadIdentifiers(uint8_t maker, uint8_t product) override {
    pages_.engineer.ShowReadIdentifiers(maker, product);
  }

 private:
  void LoadTables();
  // RefreshErrorAP: the default image shown, pages locked, page 1.
  void RefreshErrorAP();

  platform::Pacer& pacer_;
  ShellView& view_;
  ShellTimer& timer_;
  std::string exe_dir_;
  OrgSettings settings_;
  std::array<LanguageTable, 3> languages_;
  int lang_index_ = 1;
  bool pages_locked_ = true;
  Page page_ = Page::kMain;
  DeviceStack device_;
  PageSet pages_;
  device::DevicePoll poll_;
  bool engineer_unlocked_ = false;
};

}  // namespace orvane::app
