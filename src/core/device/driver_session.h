#pragma once

#include <memory>
#include <string>

#include "core/config/data_buf.h"
#include "core/device/device_link.h"
#include "core/device/driver_channel.h"
#include "core/driver_macros/driver_macros.h"
#include "platform/driver_backend.h"

namespace orvane::device {

// How the mouse answered the driver-mode questions.
enum class DriverIdentify {
  kServesTheDriver,
  kSilentStop,    // a command was not acknowledged, or the signature was wrong
  kNotThisMouse,  // another open reply, or no driver bit: "Finding the specified device"
};

// What the driver store held, taken only when all of it was read.
struct DriverStoreImage {
  config::DataBuf data;
  DrvState state{};
  driver_macros::DriverMacros macros;
};

// The driver-mode steps over the opened mouse and the vendor driver: the
// mouse asked whether it serves the driver, the driver device found by the
// link number the mouse reports, the store read and written, and the live
// state sent to the mouse.
class DriverSession {
 public:
  DriverSession(DeviceLink& link, platform::DriverBackend& backend)
      : link_(link), backend_(backend) {}

  // CmdOpen (0xA6), CmdStatus, the driver status question, CmdClose; the
  // LED type name from the driver status reply ("MCULED", ...).
  DriverIdentify Identify(std::string& led_type);
  // CmdDriverLink and the driver device of that number opened; a device
  // opened before is closed first.
  bool OpenDriverDevice();
  // Unplugged: the driver device is let go of.
  void Close() { device_.reset(); }
  bool DriverOpen() const { return device_ != nullptr; }

  // The store's sections into `image` (checked and repaired as a read
  // takes them), the rapid-fire key's continuous form shown as the plain
  // one, the live state and the macro blocks the buttons point into.
  // Nothing when a request failed: the caller keeps what it had.
  std::optional<DriverStoreImage> ReadStore(const config::DataBuf& current);
  // The sections, the live state and the macro blocks written to the store,
  // the live state sent to the mouse first.
  bool WriteStore(const config::DataBuf& data, const DrvState& state,
                  const driver_macros::DriverMacros& macros);
  // A whole-store dump for a profile file: `length` bytes from address 0
  // with the driver's live state in bytes 160..163; nothing when a request
  // failed.
  std::optional<std::vector<uint8_t>> ReadDump(uint32_t length);
  // A whole-store file into the driver from address 0.
  bool WriteDump(std::span<const uint8_t> bytes);
  // The CmdSetState sequence; a file load expects open reply 0xA5 and
  // sends 0 as the fourth byte.
  bool SendState(const DrvState& state, bool from_file);

 private:
  DeviceLink& link_;
  platform::DriverBackend& backend_;
  std::unique_ptr<platform::DriverDevice> device_;
};

}  // namespace orvane::device
