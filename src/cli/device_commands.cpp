#include "cli/device_commands.h"

#include "cli/printing_ui.h"
#include "core/app/device_stack.h"
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

// Does what the window does when the mouse comes and goes, printing it: an
// opened mouse is identified and read (ReadDevInfo).
class PrintingListener : public PollListener {
 public:
  PrintingListener(app::DeviceStack& device, PrintingUi& ui, std::FILE* out)
      : device_(device), ui_(ui), out_(out) {}

  void EnterRemovalState() override {
    device_.sessions.InitNoDevice();
    std::fprintf(out_, "no mouse: Please Connect the USB Device\n");
    std::fflush(out_);
  }

  void MouseOpened() override {
    const DeviceLink& link = device_.link;
    std::fprintf(out_, "mouse opened: %s (vendor %04X, product %04X)\n", link.DevPath().c_str(),
                 link.DevVID(), link.DevPID());
    std::fflush(out_);
    ui_.Reset();
    const SessionOutcome outcome = device_.sessions.ReadDevInfo();
    std::fprintf(out_, "  memory %s, ChipType %02X", link.MemReady() ? "ready" : "not ready",
                 link.ChipType());
    if (const auto ids = ui_.ids())
      std::fprintf(out_, ", maker id %u, product id %u", ids->first, ids->second);
    if (outcome == SessionOutcome::kDone) {
      std::fprintf(out_, "\n  read: 2048 bytes\n");
    } else {
      std::fprintf(out_, "\n  read: %s\n", OutcomeName(outcome));
    }
    std::fflush(out_);
  }

 private:
  app::DeviceStack& device_;
  PrintingUi& ui_;
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

int ListInterfaces(platform::HidBackend& backend, const std::string& notice, std::FILE* out) {
  if (!notice.empty()) std::fprintf(out, "%s\n", notice.c_str());
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
                const std::atomic<bool>& stop, const std::string& exe_dir, std::FILE* out,
                std::FILE* err) {
  PrintingUi ui(err);
  app::DeviceStack device(pacer, ui, app::ShippedOrgSettings(), exe_dir);
  device.sessions.InitNoDevice();
  PrintingListener listener(device, ui, out);
  DevicePoll poll(backend, device.link, pacer, listener);
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
