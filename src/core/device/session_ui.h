#pragma once

#include <cstdint>
#include <string>

#include "core/device/busy_indicator.h"
#include "core/device/session_outcome.h"

namespace orvane::device {

// What a device session asks of the window around it. The shell implements
// it with its timer, lock, busy window, pages and dialogs; the command-line
// tool prints messages and ignores the rest. Every call that may show
// something lets window messages run; ShowMessage is modal.
//
// Sessions never show a message while the busy window is up: what a session
// has to say is shown once its device work is over (see DeviceWork).
class SessionUi : public BusyIndicator {
 public:
  virtual void DisableDevTimer() {}
  virtual void EnableDevTimer() {}
  virtual void LockUi() {}
  virtual void UnlockUi() {}
  void ShowBusy() override {}
  virtual void HideBusy() {}
  virtual void HideAllMenu() {}
  // `detail`, when not empty, says what went wrong beyond the message's own
  // text (which of the bytes did not stick, that the mouse stopped answering).
  virtual void ShowMessage(Message message, const std::string& detail = {}) = 0;
  // Something went wrong that the language tables have no text for (a file
  // that cannot be read or written, a mouse another program is using):
  // `what` says what and why.
  virtual void ShowProblem(const std::string& what) = 0;

  // The maker and product identifier bytes as read (engineer page).
  virtual void ShowReadIdentifiers(uint8_t /*maker*/, uint8_t /*product*/) {}
  // Before a full read: the PC macro name list.
  virtual void RefreshPCMacroName() {}
  // DevImage was filled anew and distributed: rebuild the macro lists.
  virtual void MacroSlotsFilled() {}
  // Show DataBuf on the pages.
  virtual void DataBufToUI() {}
  // After a read: the pointer settings, the first page, the pages unlocked.
  virtual void PostReadPageRestore() {}
  // Before a write: the pages into DataBuf (with the AIM buttons filled in).
  virtual void UIToDataBuf() {}
  virtual void ApplyPointerSettings() {}
};

}  // namespace orvane::device
