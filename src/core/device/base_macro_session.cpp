#include <algorithm>

#include "core/device/device_sessions.h"

namespace orvane::device {

// Btn_ImportBaseMacroClick: checked slots 1 to 4 into the image and straight
// into the mouse, read back to be sure.
SessionOutcome DeviceSessions::ImportBaseMacros(std::span<const uint8_t> slots) {
  constexpr config::Region kSlots = config::kMacroSlots1To4;
  if (slots.size() != kSlots.length) return SessionOutcome::kFileError;
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  DeviceWork work(*this);
  std::copy(slots.begin(), slots.end(), config_.DevImage.begin() + kSlots.address);
  std::copy(slots.begin(), slots.end(), config_.MacroSlots1To4.begin());
  ui_.MacroSlotsFilled();
  if (const Opened opened = OpenSession(); opened != Opened::kYes) return NotOpened(opened);
  SessionOutcome outcome = SessionOutcome::kNotWritten;
  if (link_.MemReady() && link_.ChipType() == 0x98) {
    const uint64_t failed_before = link_.FailedCalls();
    std::vector<uint8_t> read_back(kSlots.length, 0xFF);
    if (!link_.DevWriteBlock(kSlots.address, kSlots.length, slots)) {
      outcome = WriteFailed(TransferFailure("write", failed_before));
    } else if (!link_.DevReadBlock(kSlots.address, kSlots.length, read_back, true)) {
      outcome = WriteFailed(TransferFailure("read-back", failed_before));
    } else if (!std::equal(read_back.begin(), read_back.end(), slots.begin())) {
      outcome = WriteFailed("the mouse did not keep the macro slots as written");
    } else {
      outcome = SessionOutcome::kDone;
    }
  }
  CloseSession();
  return outcome;
}

}  // namespace orvane::device
