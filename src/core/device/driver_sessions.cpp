#include <algorithm>

#include "core/config/parameter_fields.h"
#include "core/device/device_sessions.h"
#include "platform/atomic_file.h"
#include "platform/file_read.h"

// The sessions of driver mode: the configuration is read from and written
// to the vendor driver's store, and the mouse is only told the live state.
namespace orvane::device {

bool DeviceSessions::DriverReady() {
  if (!driver_) return false;
  return driver_->DriverOpen() || driver_->OpenDriverDevice();
}

void DeviceSessions::DriverUnplugged() {
  if (driver_) driver_->Close();
}

SessionOutcome DeviceSessions::DriverReadDevInfo() {
  if (!link_.LockExclusive(kBusyWaitMs)) {
    return NotOpened(link_.HandleValid() ? Opened::kBusy : Opened::kNo);
  }
  std::string led_type;
  const DriverIdentify identified =
      driver_ ? driver_->Identify(led_type) : DriverIdentify::kNotThisMouse;
  if (identified != DriverIdentify::kServesTheDriver) {
    link_.UnlockExclusive();
    if (identified == DriverIdentify::kSilentStop) return SessionOutcome::kSilentStop;
    Say(Message::kStr020, "This mouse does not work with the driver.");
    ui_.EnableDevTimer();
    return SessionOutcome::kNotDriverMouse;
  }
  DeviceWork work(*this);
  ui_.RefreshPCMacroName();
  // The macro table we hold stays until the store was read whole: the
  // buttons still point into it.
  const bool found = driver_->OpenDriverDevice();
  auto store = found ? driver_->ReadStore(config_.data) : std::nullopt;
  link_.UnlockExclusive();
  if (!found) {
    Say(Message::kStr020, "The mouse's driver was not found.");
    return SessionOutcome::kNoDriver;
  }
  if (!store) {
    Say(Message::kStr109, "The read failed: the driver did not hand over its store.");
    return SessionOutcome::kReadFailed;
  }
  config_.data = store->data;
  config::CollectImage(config_);
  drv_state_ = store->state;
  driver_macros_ = std::move(store->macros);
  holds_mouse_image_ = true;
  ui_.MacroSlotsFilled();
  ImageShown();
  if (live_state_) {
    live_state_->ShowLedType(led_type);
    live_state_->ShowLiveState(drv_state_);
  }
  ui_.PostReadPageRestore();
  pacer_.ProcessMessages();
  return SessionOutcome::kDone;
}

SessionOutcome DeviceSessions::DownloadDriverParameter() {
  const DrvState state = live_state_ ? live_state_->FillLiveState(drv_state_) : drv_state_;
  // The current level and smoothing travel in ParameterB as the live state
  // has them.
  config::SetCurrentDpiLevel(config_.data.ParameterB, state[0]);
  config::CollectImage(config_);
  if (!link_.LockExclusive(kBusyWaitMs)) {
    return NotOpened(link_.HandleValid() ? Opened::kBusy : Opened::kNo);
  }
  const bool found = DriverReady();
  const bool written = found && driver_->WriteStore(config_.data, state, driver_macros_);
  link_.UnlockExclusive();
  if (!found) {
    Say(Message::kStr020, "The mouse's driver was not found, so nothing was written.");
    return SessionOutcome::kNoDriver;
  }
  if (!written) return WriteFailed("the driver did not take every section");
  drv_state_ = state;
  return SessionOutcome::kDone;
}

SessionOutcome DeviceSessions::TLDefaultDriverParameter(const std::string& file_name) {
  ui_.HideAllMenu();
  // The bracket is undone on every path, a missing file included: the
  // window must never stay locked behind the busy window.
  DeviceWork work(*this);
  return LoadDriverFile(FixedFilePath(file_name));
}

SessionOutcome DeviceSessions::LoadDriverFile(const std::string& path) {
  DeviceWork work(*this);
  // A store file is refused unless it is whole: a shorter one (a macro
  // export, a mouse image) would land in the driver's sections as they lie.
  std::vector<uint8_t> bytes;
  std::string error;
  const util::FileRead read =
      util::ReadFileOfSize(path, kDriverProfileMinBytes, kDrvLoadBytes, bytes, error);
  if (read != util::FileRead::kOk) {
    const std::string why = read == util::FileRead::kMissing ? path + ": no such file" : error;
    SayProblem("Nothing was loaded into the driver: " + why + ".");
    return SessionOutcome::kFileError;
  }
  bytes.resize(kDrvLoadBytes, 0);
  DrvState state{};
  std::copy_n(bytes.begin() + kDrvStateInDump, state.size(), state.begin());
  if (!link_.LockExclusive(kBusyWaitMs)) {
    return NotOpened(link_.HandleValid() ? Opened::kBusy : Opened::kNo);
  }
  const bool found = DriverReady();
  const bool written = found && driver_->WriteDump(bytes);
  if (written) driver_->SendState(state, /*from_file=*/true);
  link_.UnlockExclusive();
  if (!found) {
    Say(Message::kStr020, "The mouse's driver was not found, so nothing was loaded.");
    return SessionOutcome::kNoDriver;
  }
  if (!written) return WriteFailed("the driver did not take the file");
  return DriverReadDevInfo();
}

SessionOutcome DeviceSessions::SaveDriverProfile(const std::string& file) {
  DeviceWork work(*this);
  if (!link_.LockExclusive(kBusyWaitMs)) {
    return NotOpened(link_.HandleValid() ? Opened::kBusy : Opened::kNo);
  }
  const bool found = DriverReady();
  const auto dump = found ? driver_->ReadDump(kDriverProfileBytes) : std::nullopt;
  link_.UnlockExclusive();
  if (!found) {
    Say(Message::kStr020, "The mouse's driver was not found, so nothing was saved.");
    return SessionOutcome::kNoDriver;
  }
  if (!dump) {
    Say(Message::kStr109, "The driver did not hand over its store, so nothing was saved.");
    return SessionOutcome::kReadFailed;
  }
  std::string error;
  if (!util::WriteFileAtomically(file, *dump, &error)) {
    SayProblem(error);
    return SessionOutcome::kFileError;
  }
  return SessionOutcome::kDone;
}

}  // namespace orvane::device
