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
// Writing the whole image and reading it back: 342 chunks at 10 ms, then 342
// at 5 ms. Apply's write is measured against it (without the button's own
// 11 x 10 ms press wait).
constexpr double kWholeWriteFloorMs = 342 * 10 + 342 * 5;

// Every byte the pages hold, changed.
void ChangeEverything(config::Configuration& c) {
  const auto flip = [](auto& bytes) {
    for (uint8_t& byte : bytes)
      byte = static_cast<uint8_t>(~byte);
  };
  flip(c.data.ParameterA);
  flip(c.data.ParameterB);
  flip(c.data.ProfileKeys);
  flip(c.data.FirePointerTable);
  flip(c.data.FireYOffsetTable);
  flip(c.data.FireColorTable);
  flip(c.data.FireKey);
  flip(c.MacroSlots1To4);
  flip(c.MacroSlots5To6);
  flip(c.FireMacroBlock);
}

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
  // Each Apply after a read or a verified write: only what changed travels.
  const auto apply = [&](auto edit) {
    return bench::MedianMs([&] {
      edit();
      return sessions.DownloadParameter() == SessionOutcome::kDone;
    });
  };
  const double button_ms = apply([&] { configuration.data.ProfileKeys[13] ^= 0x06; });
  const double dpi_ms = apply([&] { configuration.data.ParameterA[7] ^= 1; });
  const double every_ms = apply([&] { ChangeEverything(configuration); });
  if (read_ms < 0 || button_ms < 0 || dpi_ms < 0 || every_ms < 0) return 1;
  std::printf("sessions: median of %d runs, orvane-mouse-sim over sockets, real pacer\n",
              bench::kRuns);
  bench::Report("read session (identify+read+split)", read_ms, kReadSessionFloorMs);
  bench::Report("Apply after a one-button edit", button_ms, kWholeWriteFloorMs);
  bench::Report("Apply after a DPI change", dpi_ms, kWholeWriteFloorMs);
  bench::Report("Apply with every byte changed", every_ms, kWholeWriteFloorMs);
  std::printf("peak memory: %.1f MiB\n", bench::PeakMemoryMiB());
  return 0;
}
