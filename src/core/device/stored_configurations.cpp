#include <algorithm>

#include "core/config/default_images.h"
#include "core/device/device_sessions.h"
#include "platform/file_read.h"

namespace orvane::device {

std::string DeviceSessions::FixedFilePath(const std::string& file_name) const {
  return (settings_.macro_path.empty() ? settings_.exe_dir : settings_.macro_path) + file_name;
}

SessionOutcome DeviceSessions::TLDefaultParameter(const std::string& file_name) {
  if (!settings_.eeprom_mode) return TLDefaultDriverParameter(file_name);
  ui_.HideAllMenu();
  DeviceWork work(*this);
  // Only a configuration that is not on disk falls back to the default
  // image: writing the factory settings in place of a file the user keeps
  // there but that cannot be read would be a silent loss.
  config::Image image{};
  std::string error;
  SessionOutcome outcome = SessionOutcome::kFileError;
  switch (util::ReadExactFile(FixedFilePath(file_name), image, error)) {
    case util::FileRead::kMissing: image = config::DefaultImage(1); [[fallthrough]];
    case util::FileRead::kOk:
      config_.DevImage = image;
      outcome = MemoToDataBuf_OnClick();
      break;
    case util::FileRead::kRefused: SayProblem(error); break;
  }
  return outcome;
}

SessionOutcome DeviceSessions::LoadStoredConfiguration(int n) {
  WaitWithMessages();
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  const std::string prefix = settings_.eeprom_mode ? "" : "Driver_";
  return TLDefaultParameter(prefix + "TesselData_Cfg" + std::to_string(std::clamp(n, 1, 3)) +
                            ".bin");
}

SessionOutcome DeviceSessions::Btn_DefaultClick() {
  WaitWithMessages();
  if (!link_.HandleValid()) return SessionOutcome::kNoDevice;  // no message here
  return TLDefaultParameter(settings_.eeprom_mode ? "TesselData_Cfg1.bin" : "default_config1.bin");
}

SessionOutcome DeviceSessions::LoadProfile(const std::string& path) {
  ui_.HideAllMenu();
  if (!link_.HandleValid()) {
    Say(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  if (!settings_.eeprom_mode) return LoadDriverFile(path);
  // A profile is a whole 2048-byte image. Part of one merged over what the
  // pages hold would reach the mouse as a configuration nobody saved.
  config::Image image{};
  std::string error;
  const util::FileRead read = util::ReadExactFile(path, image, error);
  if (read != util::FileRead::kOk) {
    SayProblem(read == util::FileRead::kMissing ? path + ": no such file" : error);
    return SessionOutcome::kFileError;
  }
  if (const auto refused = ProfileImageRefused(image)) {
    SayProblem("The profile " + path + " was not loaded: " + *refused + ".");
    return SessionOutcome::kFileError;
  }
  config_.DevImage = image;
  return MemoToDataBuf_OnClick();
}

}  // namespace orvane::device
