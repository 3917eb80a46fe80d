#pragma once

#include <memory>
#include <optional>
#include <string>

namespace orvane::platform {

// The two keys the pointer settings live under, and their values.
constexpr const char* kMouseKey = "Control Panel\\Mouse";
constexpr const char* kDesktopKey = "Control Panel\\Desktop";
constexpr const char* kMouseSensitivity = "MouseSensitivity";
constexpr const char* kMouseSpeed = "MouseSpeed";
constexpr const char* kMouseThreshold1 = "MouseThreshold1";
constexpr const char* kMouseThreshold2 = "MouseThreshold2";
constexpr const char* kDoubleClickSpeed = "DoubleClickSpeed";
constexpr const char* kWheelScrollLines = "WheelScrollLines";

// Whether the running desktop put a setting in force.
enum class Applied { kYes, kNotHere };

// The current user's pointer settings as the system keeps them: values
// written as decimal strings under the two keys, and the system's step that
// puts them in force at once. On Windows these are the registry and
// SystemParametersInfo; elsewhere a per-user store and what the desktop
// offers.
class PointerSettings {
 public:
  virtual ~PointerSettings() = default;

  // False when `key` does not exist; a missing key is never created.
  virtual bool HasKey(const std::string& key) = 0;
  // Nothing when the value is missing.
  virtual std::optional<std::string> Get(const std::string& key, const std::string& name) = 0;
  virtual void Set(const std::string& key, const std::string& name, const std::string& value) = 0;

  // SPI_SETMOUSESPEED: the sensitivity 1..20, 10 being the unscaled speed.
  virtual Applied ApplySpeed(int sensitivity) = 0;
  // SPI_SETMOUSE: the two thresholds and the acceleration (MouseSpeed);
  // all 0 is "Enhance pointer precision" off.
  virtual Applied ApplyAcceleration(int threshold1, int threshold2, int speed) = 0;
  // SPI_SETDOUBLECLICKTIME, in milliseconds.
  virtual Applied ApplyDoubleClickTime(int milliseconds) = 0;
  // SPI_SETWHEELSCROLLLINES: lines per notch, -1 for a screen at a time.
  virtual Applied ApplyWheelLines(int lines) = 0;
};

// The current user's pointer settings on this system.
std::unique_ptr<PointerSettings> MakeSystemPointerSettings();

}  // namespace orvane::platform
