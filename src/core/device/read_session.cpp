#include <algorithm>

#include "core/config/default_images.h"
#include "core/device/device_sessions.h"

namespace orvane::device {

using config::Image;

DeviceSessions::DeviceSessions(DeviceLink& link, config::Configuration& config, SessionUi& ui,
                               platform::Pacer& pacer, SessionSettings settings)
    : link_(link), config_(config), ui_(ui), pacer_(pacer), settings_(std::move(settings)) {
  link_.SetBusyIndicator(&ui_);
}

void DeviceSessions::InitNoDevice() {
  config_.DevImage = config::DefaultImage(1);
  config::DistributeImage(config_);
  holds_mouse_image_ = false;
  ui_.MacroSlotsFilled();
  ui_.DataBufToUI();
}

DeviceSessions::Opened DeviceSessions::OpenSession() {
  // Two programs talking to the mouse at once would take each other's
  // replies for their own.
  if (!link_.LockExclusive(kBusyWaitMs)) {
    if (!link_.HandleValid()) return Opened::kNo;
    ui_.ShowProblem(kMouseBusyText);
    return Opened::kBusy;
  }
  if (link_.DevCmd(CmdOpen)) {
    link_.SetMemReady(false);
    link_.SetChipType(0);
    if (link_.DevCmd(CmdStatus)) {
      link_.TakeStatusReply();
      if (link_.StatusSignatureOk()) return Opened::kYes;
    }
  }
  link_.UnlockExclusive();
  return Opened::kNo;
}

SessionOutcome DeviceSessions::NotOpened(Opened opened) const {
  return opened == Opened::kBusy ? SessionOutcome::kBusy : SessionOutcome::kSilentStop;
}

void DeviceSessions::CloseSession() {
  link_.DevCmd(CmdSystemReload);
  link_.DevCmd(CmdClose);
  link_.UnlockExclusive();
}

SessionOutcome DeviceSessions::Btn_Read_0Click() {
  if (!link_.HandleValid()) {
    ui_.ShowMessage(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  return ReadDevInfo();
}

SessionOutcome DeviceSessions::ReadDevInfo() {
  // A mouse that does not acknowledge or answers with another signature is
  // left open and unread, without a message and without CmdClose.
  if (const Opened opened = OpenSession(); opened != Opened::kYes) return NotOpened(opened);
  if (!link_.MemReady()) {
    CloseSession();
    link_.Invalidate();  // absent until the interface count next changes
    ui_.ShowMessage(Message::kStr020);
    ui_.EnableDevTimer();
    return SessionOutcome::kMemoryNotReady;
  }
  std::array<uint8_t, config::kIdentifiers.length> ids{};
  int unanswered = 0;
  // Unread identifiers are 0xFF, which the default identity would accept.
  if (!link_.DevReadBlock(config::kIdentifiers.address, config::kIdentifiers.length, ids, false,
                          &unanswered) ||
      unanswered > 0) {
    return ReadFailed();
  }
  ui_.ShowReadIdentifiers(ids[0], ids[1]);
  const bool expected =
      ids[0] == settings_.expected_maker_id && ids[1] == settings_.expected_product_id;
  const bool reserve =
      ids[0] == settings_.reserve_maker_id && ids[1] == settings_.reserve_product_id;
  if (expected || reserve) return Btn_Read();
  ui_.DisableDevTimer();
  CloseSession();
  ui_.ShowMessage(Message::kStr107);
  ui_.EnableDevTimer();
  return SessionOutcome::kIdentityMismatch;
}

SessionOutcome DeviceSessions::Btn_Read() {
  ui_.DisableDevTimer();
  ui_.LockUi();
  ui_.ShowBusy();
  pacer_.ProcessMessages();
  ui_.RefreshPCMacroName();
  // Read into a scratch image: a read that did not complete must not replace
  // the configuration we hold with 0xFF bytes and their silent repairs.
  Image read{};
  int unanswered = 0;
  if (!link_.DevReadBlock(0, config::kImageSize, read, true, &unanswered) || unanswered > 0) {
    return ReadFailed();
  }
  config_.DevImage = read;
  config::DistributeImage(config_);
  holds_mouse_image_ = true;
  ui_.MacroSlotsFilled();
  CloseSession();
  ui_.DataBufToUI();
  ui_.PostReadPageRestore();
  pacer_.ProcessMessages();
  ui_.UnlockUi();
  ui_.HideBusy();
  ui_.EnableDevTimer();
  ui_.UnlockUi();
  return SessionOutcome::kDone;
}

SessionOutcome DeviceSessions::ReadFailed() {
  CloseSession();
  ui_.HideBusy();
  ui_.ShowMessage(Message::kStr109);
  ui_.EnableDevTimer();
  ui_.UnlockUi();
  return SessionOutcome::kReadFailed;
}

}  // namespace orvane::device
