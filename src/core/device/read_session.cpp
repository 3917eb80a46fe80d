#include <algorithm>

#include "core/config/default_images.h"
#include "core/device/device_sessions.h"

namespace orvane::device {

using config::Image;

DeviceSessions::DeviceSessions(DeviceLink& link, config::Configuration& config, SessionUi& ui,
                               platform::Pacer& pacer, SessionSettings settings,
                               platform::DriverBackend* driver)
    : link_(link), config_(config), ui_(ui), pacer_(pacer), settings_(std::move(settings)) {
  link_.SetBusyIndicator(&ui_);
  if (driver != nullptr) driver_.emplace(link_, *driver);
}

DeviceWork::DeviceWork(DeviceSessions& sessions) : sessions_(sessions) {
  if (sessions_.work_depth_++ > 0) return;
  sessions_.ui_.DisableDevTimer();
  sessions_.ui_.LockUi();
  sessions_.ui_.ShowBusy();
  sessions_.pacer_.ProcessMessages();
}

DeviceWork::~DeviceWork() {
  if (--sessions_.work_depth_ > 0) return;
  SessionUi& ui = sessions_.ui_;
  ui.HideBusy();
  ui.EnableDevTimer();
  ui.UnlockUi();
  const auto pending = std::move(sessions_.pending_);
  sessions_.pending_.clear();
  for (const auto& said : pending) {
    if (said.problem) {
      ui.ShowProblem(said.text);
    } else {
      ui.ShowMessage(said.message, said.text);
    }
  }
}

void DeviceSessions::Say(Message message, const std::string& detail) {
  if (work_depth_ > 0) {
    pending_.push_back({false, message, detail});
  } else {
    ui_.ShowMessage(message, detail);
  }
}

void DeviceSessions::SayProblem(const std::string& what) {
  if (work_depth_ > 0) {
    pending_.push_back({true, Message::kStr109, what});
  } else {
    ui_.ShowProblem(what);
  }
}

void DeviceSessions::ImageShown() {
  for (ImageObserver* observer : observers_)
    observer->ImageShown();
  ui_.DataBufToUI();
}

void DeviceSessions::InitNoDevice() {
  ForgetMouseMemory();
  config_.DevImage = config::DefaultImage(1);
  config::DistributeImage(config_);
  holds_mouse_image_ = false;
  ui_.MacroSlotsFilled();
  ImageShown();
}

DeviceSessions::Opened DeviceSessions::OpenSession() {
  // Two programs talking to the mouse at once would take each other's
  // replies for their own.
  if (!link_.LockExclusive(kBusyWaitMs)) {
    if (!link_.HandleValid()) return Opened::kNo;
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

SessionOutcome DeviceSessions::NotOpened(Opened opened) {
  if (opened != Opened::kBusy) return SessionOutcome::kSilentStop;
  SayProblem(kMouseBusyText);
  return SessionOutcome::kBusy;
}

void DeviceSessions::CloseSession() {
  link_.DevCmd(CmdSystemReload);
  link_.DevCmd(CmdClose);
  link_.UnlockExclusive();
}

std::string DeviceSessions::TransferFailure(const char* what, uint64_t failed_calls_before) const {
  if (!link_.HandleValid()) return std::string("the mouse was unplugged during the ") + what;
  if (link_.FailedCalls() != failed_calls_before) {
    return std::string("the mouse stopped answering during the ") + what;
  }
  return std::string("the mouse did not take the ") + what;
}

SessionOutcome DeviceSessions::Btn_Read_0Click() {
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  return ReadDevInfo();
}

SessionOutcome DeviceSessions::ReadDevInfo() {
  if (!settings_.eeprom_mode) return DriverReadDevInfo();
  std::optional<DeviceWork> work;
  // Read into a scratch image: a read that did not complete must not replace
  // the configuration we hold with 0xFF bytes and their silent repairs.
  Image read{};
  const SessionOutcome outcome = ReadMouseMemory(read, [&] {
    work.emplace(*this);
    ui_.RefreshPCMacroName();
  });
  if (outcome != SessionOutcome::kDone) return outcome;
  config_.DevImage = read;
  KnowMouseMemory(read);
  config::DistributeImage(config_);
  holds_mouse_image_ = true;
  ui_.MacroSlotsFilled();
  ImageShown();
  ui_.PostReadPageRestore();
  pacer_.ProcessMessages();
  return SessionOutcome::kDone;
}

SessionOutcome DeviceSessions::ReadMouseMemory(Image& read,
                                               const std::function<void()>& before_read) {
  // A mouse that does not acknowledge or answers with another signature is
  // left open and unread, without a message and without CmdClose.
  if (const Opened opened = OpenSession(); opened != Opened::kYes) return NotOpened(opened);
  if (!link_.MemReady()) {
    CloseSession();
    link_.Invalidate();  // absent until the interface count next changes
    Say(Message::kStr020);
    ui_.EnableDevTimer();
    return SessionOutcome::kMemoryNotReady;
  }
  std::array<uint8_t, config::kIdentifiers.length> ids{};
  int unanswered = 0;
  uint64_t failed_before = link_.FailedCalls();
  // Unread identifiers are 0xFF, which the default identity would accept.
  if (!link_.DevReadBlock(config::kIdentifiers.address, config::kIdentifiers.length, ids, false,
                          &unanswered) ||
      unanswered > 0) {
    DeviceWork work(*this);
    return ReadFailed(TransferFailure("identifier read", failed_before));
  }
  ui_.ShowReadIdentifiers(ids[0], ids[1]);
  if (!IdentityAccepted(ids[0], ids[1])) {
    ui_.DisableDevTimer();
    CloseSession();
    Say(Message::kStr107);
    ui_.EnableDevTimer();
    return SessionOutcome::kIdentityMismatch;
  }
  before_read();
  failed_before = link_.FailedCalls();
  if (!link_.DevReadBlock(0, config::kImageSize, read, true, &unanswered)) {
    return ReadFailed(TransferFailure("read", failed_before));
  }
  if (unanswered > 0) {
    return ReadFailed(std::to_string(unanswered) +
                      " of the 342 parts of the memory were not answered");
  }
  CloseSession();
  return SessionOutcome::kDone;
}

bool DeviceSessions::IdentityAccepted(uint8_t maker, uint8_t product) const {
  const bool expected =
      maker == settings_.expected_maker_id && product == settings_.expected_product_id;
  const bool reserve =
      maker == settings_.reserve_maker_id && product == settings_.reserve_product_id;
  return expected || reserve;
}

SessionOutcome DeviceSessions::ReadFailed(const std::string& why) {
  ForgetMouseMemory();
  CloseSession();
  Say(Message::kStr109, "The read failed: " + why + ".");
  return SessionOutcome::kReadFailed;
}

}  // namespace orvane::device
