#include <cstdio>
#include <vector>

#include "core/device/device_sessions.h"
#include "core/device/write_runs.h"

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
  ForgetMouseMemory();
  Say(Message::kStr109, "The write failed: " + why + ".");
  return SessionOutcome::kWriteFailed;
}

bool DeviceSessions::KnowsMouseMemory() const {
  return known_memory_ && known_memory_->attachment == link_.Attachments();
}

void DeviceSessions::KnowMouseMemory(const Image& memory) {
  known_memory_ = KnownMemory{link_.Attachments(), memory};
}

SessionOutcome DeviceSessions::WriteImageVerified() {
  DeviceWork work(*this);
  last_repair_passes_ = 0;
  Image read_back;
  read_back.fill(0xFF);
  // Bytes the mouse already holds need not travel; the read-back below
  // still covers all of them, so whatever changed in the mouse since is
  // found and repaired as after a whole write.
  const std::vector<config::Region> runs =
      KnowsMouseMemory() ? ChangedRuns(known_memory_->bytes, config_.DevImage)
                         : std::vector<config::Region>{{0, config::kImageSize}};
  ForgetMouseMemory();  // until the read-back says what it holds
  for (const config::Region& run : runs) {
    const uint64_t failed_before = link_.FailedCalls();
    const auto bytes = std::span<const uint8_t>(config_.DevImage).subspan(run.address);
    if (!link_.DevWriteBlock(run.address, run.length, bytes)) {
      return WriteFailed(TransferFailure("write", failed_before));
    }
  }
  std::string why;
  if (!ReadBack(read_back, why)) return WriteFailed(why);
  const SessionOutcome outcome = RepairPasses(read_back);
  if (outcome == SessionOutcome::kDone) KnowMouseMemory(config_.DevImage);
  return outcome;
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
  // A loaded file or stored configuration is written whole, as it always was.
  ForgetMouseMemory();
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
