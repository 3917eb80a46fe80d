#pragma once

#include <array>
#include <cstdint>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/hid_backend.h"
#include "platform/pacer.h"

namespace orvane::device {

struct DeviceTableEntry {
  uint32_t vid = 0;
  uint32_t pid = 0;
};

// What the window does when the poll sees the mouse come or go.
class PollListener {
 public:
  virtual ~PollListener() = default;
  // The removal state: menus closed, no-device state, UI locked, the
  // "Please Connect the USB Device" message. May run a modal dialog.
  virtual void EnterRemovalState() = 0;
  // The mouse was opened: identify and read it (ReadDevInfo).
  virtual void MouseOpened() = 0;
};

enum class PollOutcome {
  kBusy,            // a poll was already running
  kNoChange,        // count unchanged or unstable: nothing done
  kMouseOpened,     // count rose and the mouse was opened
  kMouseNotFound,   // count rose but no mouse matched: removal state
  kRemoved,         // count fell and the mouse is gone: removal state
  kStillConnected,  // count fell but the opened mouse is still there
};

const char* PollOutcomeName(PollOutcome outcome);

// The connection watch driven by DevTimer: counts the HID interfaces and acts
// when the count changes steadily.
class DevicePoll {
 public:
  DevicePoll(platform::HidBackend& backend, DeviceLink& link, platform::Pacer& pacer,
             PollListener& listener);

  PollOutcome DevTimerTimer();

  std::array<DeviceTableEntry, 2>& DevTable() { return dev_table_; }
  int HidCount() const { return hid_count_; }
  bool PollBusy() const { return poll_busy_; }

 private:
  // Five double counts; the first count of the last pass and how many of the
  // five passes saw the same number twice.
  struct CountReading {
    int count = 0;
    int stable_passes = 0;
  };
  CountReading ReadCount();
  PollOutcome InterfaceCame();
  PollOutcome InterfaceWent();
  bool OpenedMouseStillPresent();
  void SettleWait();

  platform::HidBackend& backend_;
  DeviceLink& link_;
  platform::Pacer& pacer_;
  PollListener& listener_;
  std::array<DeviceTableEntry, 2> dev_table_{{{kMouseVendorId, kMouseProductId}, {0, 0}}};
  int hid_count_ = 0;
  bool looked_once_ = false;
  bool poll_busy_ = false;
};

}  // namespace orvane::device
