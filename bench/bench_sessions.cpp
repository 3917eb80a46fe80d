// The read session and Apply end to end through the core, against the
// emulator program over sockets with the real pacer: wall time against the
// sum of the protocol's pauses for the same exchange, and peak memory.
#include <cstdio>

#include "bench_timing.h"
#include "core/config/default_images.h"
#include "core/device/device_sessions.h"
#include "emulator_process.h"
#include "platform/real_pacer.h"

using namespace orvane;
using namespace orvane::device;

namespace {

// Open, status, the 2-byte identifier read (start + 1 chunk), the full read
// (start + 342 chunks), reload, close.
constexpr double kReadSessionFloorMs = 6 * 10 + (1 + 342) * 5;
// The 11 x 10 ms press wait, open, status, write start + 342 chunks, read-back
// start + 342 chunks, reload, close.
constexpr double kApplyFloorMs = 11 * 10 + 6 * 10 + 342 * 10 + 342 * 5;

struct QuietUi : SessionUi {
  void ShowMessage(Message message, const std::string& detail) override {
    std::fprintf(stderr, "message: %s %s\n", Language1Text(message), detail.c_str());
  }
  void ShowProblem(const std::string& what) override { std::fprintf(stderr, "%s\n", what.c_str()); }
};

}  // namespace

int main() {
  bench::EmulatorProcess emulator;
  platform::RealPacer pacer;
  DeviceLink link(pacer);
  if (!emulator.Open(link, pacer)) {
    std::fprintf(stderr, "the emulated mouse did not appear\n");
    return 1;
  }
  QuietUi ui;
  config::Configuration configuration;
  SessionSettings settings;
  settings.expected_maker_id = config::ExpectedMakerId();
  settings.expected_product_id = config::ExpectedProductId();
  DeviceSessions sessions(link, configuration, ui, pacer, settings);
  sessions.InitNoDevice();

  const double read_ms =
      bench::MedianMs([&] { return sessions.ReadDevInfo() == SessionOutcome::kDone; });
  const double apply_ms = bench::MedianMs([&] {
    configuration.data.ParameterA[7] ^= 1;  // an edit, so every Apply writes something new
    return sessions.Btn_Apply_0Click() == SessionOutcome::kDone;
  });
  if (read_ms < 0 || apply_ms < 0) return 1;
  std::printf("sessions: median of %d runs, orvane-mouse-sim over sockets, real pacer\n",
              bench::kRuns);
  bench::Report("read session (identify+read+split)", read_ms, kReadSessionFloorMs);
  bench::Report("Apply (collect+write+read-back)", apply_ms, kApplyFloorMs);
  std::printf("peak memory: %.1f MiB\n", bench::PeakMemoryMiB());
  return 0;
}
