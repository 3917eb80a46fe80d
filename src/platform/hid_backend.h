#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvane::platform {

struct HidAttributes {
  uint16_t vendor_id = 0;
  uint16_t product_id = 0;
  uint16_t version = 0;  // the device's release number

  bool operator==(const HidAttributes&) const = default;
};

// One opened HID interface (a top-level collection). Every call reports
// whether the operating system carried it out; closing is destruction.
class HidConnection {
 public:
  virtual ~HidConnection() = default;

  virtual std::optional<HidAttributes> Attributes() = 0;
  // Bytes of the longest feature report including the report id byte, as the
  // HID capabilities give it; 0 when the collection has no feature reports.
  virtual int FeatureReportLength() = 0;
  // `report[0]` is the report id.
  virtual bool SetFeature(std::span<const uint8_t> report) = 0;
  // `report[0]` holds the wanted report id on entry, the reply on success.
  // A call gives up within tens of milliseconds when the device does not
  // answer: a feature report never takes longer on a working device.
  virtual bool GetFeature(std::span<uint8_t> report) = 0;

  // True once a call failed because the device is no longer there (as
  // opposed to one call that went unanswered); every later call fails too.
  virtual bool Gone() const { return false; }

  // The exclusive use of the device by one program for one session. False
  // when another program holds it now; never waits.
  virtual bool TryLockExclusive() { return true; }
  virtual void UnlockExclusive() {}
};

// Where HID interfaces come from: real devices or the emulator's.
class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // Paths of the present interfaces, in a stable enumeration order.
  virtual std::vector<std::string> Enumerate() = 0;
  // Opens an interface without asking for more than attribute and feature
  // report access; nullptr when it cannot be opened.
  virtual std::unique_ptr<HidConnection> Open(const std::string& path) = 0;
};

// The machine's HID interfaces: on Linux real devices through hidapi, then
// the emulator's virtual devices; on Windows the HID class through SetupAPI.
std::unique_ptr<HidBackend> MakeSystemHidBackend();
// What that backend cannot see and why, as a line for the user; empty when
// nothing is hidden.
std::string SystemHidNotice();

}  // namespace orvane::platform
