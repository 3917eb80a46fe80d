#include "cli/device_commands.h"

#include "core/device/device_link.h"
#include "core/device/device_poll.h"
#include "core/device/hid_discovery.h"

namespace orvane::cli {

using namespace orvane::device;

namespace {

constexpr int kDevTimerMs = 2500;
constexpr int kStopCheckMs = 100;

bool IsMouseInterface(const platform::HidAttributes& attributes, int feature_length) {
  return attributes.vendor_id == kMouseVendorId && attributes.product_id == kMouseProductId &&
         attributes.version == kWantedVersion && feature_length == kFeatureReportLength;
}

// Prints what the device link learns from the mouse in one identify session.
class PrintingListener : public PollListener {
 public:
  PrintingListener(DeviceLink& link, std::FILE* out) : link_(link), out_(out) {}

  void EnterRemovalState() override {
    std::fprintf(out_, "no mouse: Please Connect the USB Device\n");
    std::fflush(out_);
  }

  void MouseOpened() override {
    std::fprintf(out_, "mouse opened: %s (vendor %04X, product %04X)\n", link_.DevPath().c_str(),
                 link_.DevVID(), link_.DevPID());
    if (!link_.DevCmd(CmdOpen) || !link_.DevCmd(CmdStatus)) {
      std::fprintf(out_, "  the mouse does not acknowledge its session\n");
    } else {
      link_.SetMemReady(false);
      link_.TakeStatusReply();
      const auto& reply = link_.ReportBuf();
      std::fprintf(out_, "  status: signature %02X%s, memory %s, chip code %02X (ChipType %02X)\n",
                   reply[1], link_.StatusSignatureOk() ? "" : " (unexpected)",
                   link_.MemReady() ? "ready" : "not ready", reply[3], link_.ChipType());
      link_.DevCmd(CmdSystemReload);
      link_.DevCmd(CmdClose);
    }
    std::fflush(out_);
  }

 private:
  DeviceLink& link_;
  std::FILE* out_;
};

// Waits one timer period, returning early when asked to stop.
bool WaitForTick(platform::Pacer& pacer, const std::atomic<bool>& stop) {
  for (int waited = 0; waited < kDevTimerMs; waited += kStopCheckMs) {
    if (stop) return false;
    pacer.Sleep(kStopCheckMs);
  }
  return !stop;
}

}  // namespace

int ListInterfaces(platform::HidBackend& backend, std::FILE* out) {
  int mice = 0;
  for (const auto& path : backend.Enumerate()) {
    const auto handle = backend.Open(path);
    const auto attributes = handle ? handle->Attributes() : std::nullopt;
    if (!attributes) {
      std::fprintf(out, "%s  (cannot be opened)\n", path.c_str());
      continue;
    }
    const int feature_length = handle->FeatureReportLength();
    const bool mouse = IsMouseInterface(*attributes, feature_length);
    mice += mouse;
    std::fprintf(out, "%s  %04X:%04X version %04X feature report %d bytes%s\n", path.c_str(),
                 attributes->vendor_id, attributes->product_id, attributes->version, feature_length,
                 mouse ? "  <- Orvane Gaming Mouse" : "");
  }
  std::fprintf(out, "%d mouse interface%s found\n", mice, mice == 1 ? "" : "s");
  return mice > 0 ? 0 : 1;
}

int WatchDevice(platform::HidBackend& backend, platform::Pacer& pacer, int ticks,
                const std::atomic<bool>& stop, std::FILE* out) {
  DeviceLink link(pacer);
  PrintingListener listener(link, out);
  DevicePoll poll(backend, link, pacer, listener);
  std::fprintf(out, "watching for the mouse (a poll every 2.5 s)\n");
  std::fflush(out);
  for (int tick = 0; ticks == 0 || tick < ticks; ++tick) {
    if (!WaitForTick(pacer, stop)) break;
    const PollOutcome outcome = poll.DevTimerTimer();
    if (outcome != PollOutcome::kNoChange) {
      std::fprintf(out, "poll: %s (HID interfaces: %d)\n", PollOutcomeName(outcome),
                   poll.HidCount());
      std::fflush(out);
    }
  }
  return 0;
}

}  // namespace orvane::cli
