#include "core/device/device_poll.h"

#include <algorithm>

#include "core/device/hid_discovery.h"

namespace orvane::device {

namespace {

constexpr int kCountPasses = 5;
constexpr int kStablePassesNeeded = 2;
constexpr int kSettleSteps = 21;
constexpr int kSettleStepMs = 100;

}  // namespace

const char* PollOutcomeName(PollOutcome outcome) {
  switch (outcome) {
    case PollOutcome::kBusy: return "busy";
    case PollOutcome::kNoChange: return "no change";
    case PollOutcome::kMouseOpened: return "mouse opened";
    case PollOutcome::kMouseNotFound: return "mouse not found";
    case PollOutcome::kRemoved: return "mouse removed";
    case PollOutcome::kStillConnected: return "mouse still connected";
  }
  return "?";
}

DevicePoll::DevicePoll(platform::HidBackend& backend, DeviceLink& link, platform::Pacer& pacer,
                       PollListener& listener)
    : backend_(backend), link_(link), pacer_(pacer), listener_(listener) {}

PollOutcome DevicePoll::DevTimerTimer() {
  if (poll_busy_) return PollOutcome::kBusy;
  poll_busy_ = true;
  const CountReading reading = ReadCount();
  PollOutcome outcome = PollOutcome::kNoChange;
  // The first tick always looks: with no HID device at all the count stays
  // 0 and would never change, and the user would never hear of the mouse.
  const bool changed = reading.count != hid_count_ || !looked_once_;
  if (changed && reading.stable_passes >= kStablePassesNeeded) {
    outcome = reading.count < hid_count_ ? InterfaceWent() : InterfaceCame();
    hid_count_ = reading.count;
    looked_once_ = true;
  }
  poll_busy_ = false;
  return outcome;
}

DevicePoll::CountReading DevicePoll::ReadCount() {
  CountReading reading;
  for (int pass = 0; pass < kCountPasses; ++pass) {
    const int first = CountHidInterfaces(backend_);
    const int second = CountHidInterfaces(backend_);
    if (first == second) ++reading.stable_passes;
    reading.count = first;
  }
  return reading;
}

PollOutcome DevicePoll::InterfaceWent() {
  // Any HID device may have gone (a keyboard, a headset): only the mouse
  // itself going away is a removal.
  if (OpenedMouseStillPresent()) return PollOutcome::kStillConnected;
  listener_.EnterRemovalState();
  link_.Invalidate();
  return PollOutcome::kRemoved;
}

PollOutcome DevicePoll::InterfaceCame() {
  for (const DeviceTableEntry& entry : dev_table_) {
    if (entry.vid == 0 || entry.pid == 0) continue;
    SettleWait();
    uint32_t version = kWantedVersion;
    if (OpenMouse(backend_, link_, entry.vid, entry.pid, version)) {
      listener_.MouseOpened();
      return PollOutcome::kMouseOpened;
    }
    // Whatever handle we held belongs to a mouse that no longer opens.
    link_.Invalidate();
    listener_.EnterRemovalState();
  }
  return PollOutcome::kMouseNotFound;
}

bool DevicePoll::OpenedMouseStillPresent() {
  platform::HidConnection* handle = link_.DevHandle();
  if (handle == nullptr) return false;
  const auto paths = backend_.Enumerate();
  if (std::find(paths.begin(), paths.end(), link_.DevPath()) == paths.end()) return false;
  // Listed is not enough: a path can be reused; the handle itself must answer.
  ReportBuffer probe{kReportId};
  return handle->GetFeature(probe);
}

void DevicePoll::SettleWait() {
  for (int step = 0; step < kSettleSteps; ++step) {
    pacer_.Sleep(kSettleStepMs);
    pacer_.ProcessMessages();
  }
}

}  // namespace orvane::device
