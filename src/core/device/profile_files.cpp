#include "core/device/profile_files.h"

#include "core/device/device_sessions.h"
#include "platform/atomic_file.h"

namespace orvane::device {

std::string ProfileFileName(const std::string& chosen) {
  constexpr std::string_view kExtension = ".bin";
  const bool has_extension =
      chosen.size() >= kExtension.size() &&
      chosen.compare(chosen.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
  return has_extension ? chosen : chosen + std::string(kExtension);
}

SessionOutcome DeviceSessions::SaveProfile(const std::string& chosen) {
  return SaveProfileFile(ProfileFileName(chosen));
}

SessionOutcome DeviceSessions::SaveProfileFile(const std::string& file) {
  ui_.HideAllMenu();
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  if (!settings_.eeprom_mode) return SaveDriverProfile(file);
  // The file holds what the mouse stores, read afresh into an image of its
  // own: the pages keep the user's unsaved edits, and a read that did not
  // complete writes no file at all.
  DeviceWork work(*this);
  config::Image read{};
  const SessionOutcome outcome = ReadMouseMemory(read, [] {});
  if (outcome != SessionOutcome::kDone) return outcome;
  std::string error;
  if (!util::WriteFileAtomically(file, read, &error)) {
    SayProblem(error);
    return SessionOutcome::kFileError;
  }
  return SessionOutcome::kDone;
}

std::optional<std::string> DeviceSessions::ProfileImageRefused(const config::Image& image) const {
  const uint8_t maker = image[config::kIdentifiers.address];
  const uint8_t product = image[config::kIdentifiers.address + 1];
  if (IdentityAccepted(maker, product)) return std::nullopt;
  // Every later read would refuse a mouse that kept these identifiers.
  return "it names maker " + std::to_string(maker) + " and product " + std::to_string(product) +
         ", which this program does not configure";
}

}  // namespace orvane::device
