#include <algorithm>

#include "core/device/device_sessions.h"

namespace orvane::device {

namespace {

template <size_t N>
void IntoImage(const std::array<uint8_t, N>& from, config::Region region, config::Image& image) {
  std::copy_n(from.begin(), std::min<size_t>(N, region.length), image.begin() + region.address);
}

}  // namespace

// Regions of DevImage straight into the mouse, each read back to be sure;
// only a chip that keeps its memory (0x98) takes them.
SessionOutcome DeviceSessions::WriteRegionsVerified(std::span<const config::Region> regions,
                                                    const char* what) {
  DeviceWork work(*this);
  if (!settings_.eeprom_mode) {
    // The mouse's own memory is not where a driver-mode mouse keeps them.
    SayProblem(std::string("In driver mode the driver keeps the configuration: the ") + what +
               " were not written to the mouse.");
    return SessionOutcome::kNotWritten;
  }
  if (const Opened opened = OpenSession(); opened != Opened::kYes) return NotOpened(opened);
  SessionOutcome outcome = SessionOutcome::kNotWritten;
  if (link_.MemReady() && link_.ChipType() == 0x98) {
    outcome = SessionOutcome::kDone;
    for (const config::Region& region : regions) {
      const auto bytes =
          std::span<const uint8_t>(config_.DevImage).subspan(region.address, region.length);
      const uint64_t failed_before = link_.FailedCalls();
      std::vector<uint8_t> read_back(region.length, 0xFF);
      if (!link_.DevWriteBlock(region.address, region.length, bytes)) {
        outcome = WriteFailed(TransferFailure("write", failed_before));
      } else if (!link_.DevReadBlock(region.address, region.length, read_back, true)) {
        outcome = WriteFailed(TransferFailure("read-back", failed_before));
      } else if (!std::equal(read_back.begin(), read_back.end(), bytes.begin())) {
        outcome = WriteFailed(std::string("the mouse did not keep the ") + what + " as written");
      }
      if (outcome != SessionOutcome::kDone) break;
      // Read back as written: the mouse is known to hold the region.
      if (KnowsMouseMemory()) {
        std::copy(bytes.begin(), bytes.end(), known_memory_->bytes.begin() + region.address);
      }
    }
  }
  if (outcome != SessionOutcome::kDone && outcome != SessionOutcome::kNotWritten) {
    ForgetMouseMemory();
  }
  CloseSession();
  return outcome;
}

// Btn_ImportBaseMacroClick: checked slots 1 to 4 into the image and straight
// into the mouse.
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
  return WriteRegionsVerified(std::span(&kSlots, 1), "macro slots");
}

// The fire page's Confirm (the three fire tables and the block) and the
// engineer's block import (the block alone).
SessionOutcome DeviceSessions::WriteFireMacros(bool with_tables) {
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  const config::DataBuf& data = config_.data;
  config::Image& image = config_.DevImage;
  IntoImage(data.FirePointerTable, config::kFirePointerTable, image);
  IntoImage(data.FireYOffsetTable, config::kFireYOffsetTable, image);
  IntoImage(data.FireColorTable, config::kFireColorTable, image);
  IntoImage(config_.FireMacroBlock, config::kFireMacroBlock, image);
  static constexpr config::Region kAll[] = {config::kFirePointerTable, config::kFireYOffsetTable,
                                            config::kFireColorTable, config::kFireMacroBlock};
  const auto regions = with_tables ? std::span(kAll) : std::span(kAll).last(1);
  return WriteRegionsVerified(regions, "fire macros");
}

}  // namespace orvane::device
