#include <vector>

#include "core/device/device_sessions.h"

namespace orvane::device {

using config::Image;

namespace {

constexpr int kRepairPasses = 3;

std::vector<uint16_t> Mismatches(const Image& wanted, const Image& read_back) {
  std::vector<uint16_t> addresses;
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (wanted[i] != read_back[i]) addresses.push_back(static_cast<uint16_t>(i));
  }
  return addresses;
}

}  // namespace

void DeviceSessions::WaitWithMessages() {
  for (int i = 0; i < 11; ++i) {
    pacer_.Sleep(10);
    pacer_.ProcessMessages();
  }
}

SessionOutcome DeviceSessions::Btn_Apply_0Click() {
  WaitWithMessages();
  if (!link_.HandleValid()) {
    ui_.ShowMessage(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  return DownloadParameter();
}

SessionOutcome DeviceSessions::Btn_Confirm_0Click() {
  const SessionOutcome outcome = Btn_Apply_0Click();
  if (outcome != SessionOutcome::kNoDevice) WaitWithMessages();
  return outcome;  // the window closes unless there was no mouse
}

SessionOutcome DeviceSessions::DownloadParameter() {
  ui_.HideAllMenu();
  ui_.DisableDevTimer();
  ui_.LockUi();
  ui_.ShowBusy();
  SessionOutcome outcome = SessionOutcome::kNoMouseImage;
  if (holds_mouse_image_) {
    ui_.UIToDataBuf();
    config::CollectImage(config_);
    ui_.ApplyPointerSettings();
    outcome = WriteInSession(/*needs_chip_98=*/false);
  } else {
    // The pages show the no-device default (the last read did not
    // complete): writing it would overwrite the mouse's own settings.
    ui_.ShowMessage(Message::kStr109);
  }
  ui_.HideBusy();
  ui_.EnableDevTimer();
  ui_.UnlockUi();
  return outcome;
}

SessionOutcome DeviceSessions::WriteInSession(bool needs_chip_98) {
  if (const Opened opened = OpenSession(); opened != Opened::kYes) return NotOpened(opened);
  SessionOutcome outcome = SessionOutcome::kNotWritten;
  if (link_.MemReady() && (!needs_chip_98 || link_.ChipType() == 0x98)) {
    outcome = WriteImageVerified();
  }
  CloseSession();
  return outcome;
}

bool DeviceSessions::ReadBack(Image& read_back) {
  return link_.DevReadBlock(0, config::kImageSize, read_back, true);
}

SessionOutcome DeviceSessions::WriteImageVerified() {
  ui_.ShowBusy();
  last_repair_passes_ = 0;
  Image read_back;
  read_back.fill(0xFF);
  if (!link_.DevWriteBlock(0, config::kImageSize, config_.DevImage) || !ReadBack(read_back)) {
    ui_.ShowMessage(Message::kStr109);
    return SessionOutcome::kWriteFailed;
  }
  return RepairPasses(read_back);
}

SessionOutcome DeviceSessions::RepairPasses(Image& read_back) {
  std::vector<uint16_t> mismatches = Mismatches(config_.DevImage, read_back);
  for (int pass = 0; pass < kRepairPasses && !mismatches.empty(); ++pass) {
    last_repair_passes_ = pass + 1;
    for (const uint16_t address : mismatches) {
      const auto byte = std::span<const uint8_t>(config_.DevImage).subspan(address, 1);
      if (!link_.DevWriteBlock(address, 1, byte)) {
        ui_.ShowMessage(Message::kStr109);
        return SessionOutcome::kWriteFailed;
      }
    }
    if (!ReadBack(read_back)) {
      ui_.ShowMessage(Message::kStr109);
      return SessionOutcome::kWriteFailed;
    }
    mismatches = Mismatches(config_.DevImage, read_back);
  }
  if (mismatches.empty()) return SessionOutcome::kDone;
  ui_.ShowMessage(Message::kStr109);
  return SessionOutcome::kBytesDidNotStick;
}

SessionOutcome DeviceSessions::MemoToDataBuf_OnClick() {
  const Image loaded = config_.DevImage;
  config::DistributeImage(config_);
  // The image written is the one shown: sections repaired by the checks
  // reach the mouse repaired, not as the damaged bytes that were loaded.
  config::CollectImage(config_);
  repaired_sections_ = config::RepairedSections(loaded, config_.DevImage);
  holds_mouse_image_ = true;
  ui_.MacroSlotsFilled();
  ui_.DataBufToUI();
  ui_.DisableDevTimer();
  ui_.LockUi();
  ui_.ShowBusy();
  const SessionOutcome outcome = WriteInSession(/*needs_chip_98=*/true);
  ui_.HideBusy();
  ui_.EnableDevTimer();
  ui_.UnlockUi();
  return outcome;
}

}  // namespace orvane::device
