#include <cstdio>
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

std::string Address(uint16_t address) {
  char text[8];
  std::snprintf(text, sizeof(text), "0x%03X", address);
  return text;
}

std::string DidNotStick(const std::vector<uint16_t>& addresses) {
  const std::string passes = " after " + std::to_string(kRepairPasses) + " repair passes.";
  if (addresses.size() == 1) {
    return "The byte at " + Address(addresses[0]) + " did not keep its value" + passes;
  }
  return std::to_string(addresses.size()) + " bytes, the first at " + Address(addresses[0]) +
         ", did not keep their values" + passes;
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
    Say(Message::kStr020);
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
  DeviceWork work(*this);
  if (!holds_mouse_image_) {
    // The pages show the no-device default (the last read did not
    // complete): writing it would overwrite the mouse's own settings.
    Say(Message::kStr109, "Nothing has been read from this mouse yet, so nothing was written.");
    return SessionOutcome::kNoMouseImage;
  }
  ui_.UIToDataBuf();
  for (ImageObserver* observer : observers_)
    observer->BeforeWrite();
  ui_.ApplyPointerSettings();
  if (!settings_.eeprom_mode) return DownloadDriverParameter();
  config::CollectImage(config_);
  return WriteInSession(/*needs_chip_98=*/false);
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

bool DeviceSessions::ReadBack(Image& read_back, std::string& why) {
  const uint64_t failed_before = link_.FailedCalls();
  if (link_.DevReadBlock(0, config::kImageSize, read_back, true)) return true;
  why = TransferFailure("read-back", failed_before);
  return false;
}

SessionOutcome DeviceSessions::WriteFailed(const std::string& why) {
  Say(Message::kStr109, "The write failed: " + why + ".");
  return SessionOutcome::kWriteFailed;
}

SessionOutcome DeviceSessions::WriteImageVerified() {
  DeviceWork work(*this);
  last_repair_passes_ = 0;
  Image read_back;
  read_back.fill(0xFF);
  const uint64_t failed_before = link_.FailedCalls();
  if (!link_.DevWriteBlock(0, config::kImageSize, config_.DevImage)) {
    return WriteFailed(TransferFailure("write", failed_before));
  }
  std::string why;
  if (!ReadBack(read_back, why)) return WriteFailed(why);
  return RepairPasses(read_back);
}

SessionOutcome DeviceSessions::RepairPasses(Image& read_back) {
  std::vector<uint16_t> mismatches = Mismatches(config_.DevImage, read_back);
  for (int pass = 0; pass < kRepairPasses && !mismatches.empty(); ++pass) {
    last_repair_passes_ = pass + 1;
    for (const uint16_t address : mismatches) {
      const auto byte = std::span<const uint8_t>(config_.DevImage).subspan(address, 1);
      const uint64_t failed_before = link_.FailedCalls();
      if (!link_.DevWriteBlock(address, 1, byte)) {
        return WriteFailed(TransferFailure("repair", failed_before));
      }
    }
    std::string why;
    if (!ReadBack(read_back, why)) return WriteFailed(why);
    mismatches = Mismatches(config_.DevImage, read_back);
  }
  if (mismatches.empty()) return SessionOutcome::kDone;
  Say(Message::kStr109, DidNotStick(mismatches));
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
  ImageShown();
  DeviceWork work(*this);
  return WriteInSession(/*needs_chip_98=*/true);
}

}  // namespace orvane::device
