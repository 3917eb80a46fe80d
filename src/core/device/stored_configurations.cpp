#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/config/default_images.h"
#include "core/device/device_sessions.h"

namespace orvane::device {

namespace {

// Reads up to the first 2048 bytes of a file over the front of `image`; a
// shorter file leaves the rest as it was. False when the file cannot be read.
bool ReadImageFile(const std::string& path, config::Image& image) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::vector<char> bytes(image.size());
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad()) return false;
  std::copy_n(bytes.begin(), file.gcount(), image.begin());
  return true;
}

}  // namespace

std::string DeviceSessions::FixedFilePath(const std::string& file_name) const {
  return (settings_.macro_path.empty() ? settings_.exe_dir : settings_.macro_path) + file_name;
}

SessionOutcome DeviceSessions::TLDefaultParameter(const std::string& file_name) {
  ui_.HideAllMenu();
  ui_.DisableDevTimer();
  ui_.ShowBusy();
  pacer_.ProcessMessages();
  // A stored configuration that is not on disk (or cannot be read) falls back
  // to the default image.
  if (!ReadImageFile(FixedFilePath(file_name), config_.DevImage)) {
    config_.DevImage = config::DefaultImage(1);
  }
  const SessionOutcome outcome = MemoToDataBuf_OnClick();
  ui_.HideBusy();
  ui_.EnableDevTimer();
  return outcome;
}

SessionOutcome DeviceSessions::LoadStoredConfiguration(int n) {
  WaitWithMessages();
  if (!link_.HandleValid()) {
    ui_.ShowMessage(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  return TLDefaultParameter("TesselData_Cfg" + std::to_string(std::clamp(n, 1, 3)) + ".bin");
}

SessionOutcome DeviceSessions::Btn_DefaultClick() {
  WaitWithMessages();
  if (!link_.HandleValid()) return SessionOutcome::kNoDevice;  // no message here
  return TLDefaultParameter("TesselData_Cfg1.bin");
}

SessionOutcome DeviceSessions::LoadProfile(const std::string& path) {
  if (!link_.HandleValid()) {
    ui_.ShowMessage(Message::kStr020);
    return SessionOutcome::kNoDevice;
  }
  config::Image image = config_.DevImage;
  if (!ReadImageFile(path, image)) {
    ui_.ShowProblem("cannot read " + path);
    return SessionOutcome::kFileError;
  }
  config_.DevImage = image;
  return MemoToDataBuf_OnClick();
}

}  // namespace orvane::device
