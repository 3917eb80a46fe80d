#include "core/device/profile_files.h"

#include "core/device/device_sessions.h"
#include "core/util/atomic_file.h"

namespace orvane::device {

std::string ProfileFileName(const std::string& chosen) {
  constexpr std::string_view kExtension = ".bin";
  const bool has_extension =
      chosen.size() >= kExtension.size() &&
      chosen.compare(chosen.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
  return has_extension ? chosen : chosen + std::string(kExtension);
}

SessionOutcome DeviceSessions::SaveProfile(const std::string& chosen) {
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  // The file holds what the mouse stores, read afresh, never unsaved edits
  // and never the leftovers of a read that failed.
  const SessionOutcome read = ReadDevInfo();
  if (read != SessionOutcome::kDone) return read;
  std::string error;
  if (!util::WriteFileAtomically(ProfileFileName(chosen), config_.DevImage, &error)) {
    SayProblem(error);
    return SessionOutcome::kFileError;
  }
  return SessionOutcome::kDone;
}

}  // namespace orvane::device
