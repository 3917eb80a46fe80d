#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/pointer_settings.h"

namespace orvane::platform {

// The pointer settings on Linux. The values live in a per-user settings
// file (one section per key, `Name=value` lines), read afresh for every value
// and written whole and atomically at every change, so the window and
// orvanectl never lose each other's changes; the file stands for both keys,
// so they exist once it can be written. Applying puts in force what the desktop offers:
//   - on an X display, the pointer speed and precision through
//     XChangePointerControl: acceleration sensitivity/10 (2 x that with
//     precision on), threshold 0 (precision off: every motion scaled alike)
//     or MouseThreshold1 (precision on: slow motion 1:1, faster motion
//     accelerated);
//   - on a GNOME desktop (the running desktop says so and the schema is
//     installed), org.gnome.desktop.peripherals.mouse: speed
//     (sensitivity - 10)/10, accel-profile adaptive or flat, double-click;
//   - the wheel's lines per notch has no desktop-wide setting here.
class LinuxPointerSettings : public PointerSettings {
 public:
  // `file` empty: pointer-settings.ini in the per-user config folder
  // ($XDG_CONFIG_HOME/orvane-mouse, else ~/.config/orvane-mouse).
  explicit LinuxPointerSettings(std::string file = {});
  ~LinuxPointerSettings() override;

  bool HasKey(const std::string& key) override;
  std::optional<std::string> Get(const std::string& key, const std::string& name) override;
  void Set(const std::string& key, const std::string& name, const std::string& value) override;

  Applied ApplySpeed(int sensitivity) override;
  Applied ApplyAcceleration(int threshold1, int threshold2, int speed) override;
  Applied ApplyDoubleClickTime(int milliseconds) override;
  Applied ApplyWheelLines(int lines) override;

  const std::string& File() const { return file_; }
  // Why the last write of the file failed; empty when it did not.
  const std::string& WriteError() const { return write_error_; }

 private:
  class Desktop;
  Desktop& TheDesktop();
  void Load();
  void Save();

  std::string file_;
  std::map<std::string, std::map<std::string, std::string>> values_;  // key -> name -> value
  std::string write_error_;
  std::unique_ptr<Desktop> desktop_;
};

}  // namespace orvane::platform
