#pragma once

#include <string>
#include <vector>

#include "core/config/data_buf.h"

namespace orvane::app {

enum class Page { kMain, kSecond, kAdvanced, kBreathing, kMacro, kEngineer, kFire };

// What the shell asks of its window. The Qt main window implements it; tests
// record the calls. Every call returns at once except ShowMessage, which is
// modal and lets other events run until it is closed.
class ShellView {
 public:
  virtual ~ShellView() = default;
  virtual void ShowPage(Page page) = 0;            // its group box shown, the others hidden
  virtual void SetInputBlocked(bool blocked) = 0;  // Disable_All_1..4
  virtual void SetBusyVisible(bool visible) = 0;   // TFormLoadingUI, centred on the window
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void HideAllMenu() = 0;
  virtual void SetKeyMenuHeight(int height) = 0;  // Pnl_Main and Pnl_Special
  virtual void ShowConfiguration(const config::Configuration& configuration) = 0;  // DataBufToUI
  virtual void ClearMacroLists() = 0;  // LB_macro, LB_ScriptName, LB_Script
  // The PC macro library's names, in order (LB_Name, LB_PCMacroName).
  virtual void ShowMacroLibraryNames(const std::vector<std::string>& /*names*/) {}
};

// DevTimer: the Qt timer in the window, a virtual one in tests.
class ShellTimer {
 public:
  virtual ~ShellTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

}  // namespace orvane::app
