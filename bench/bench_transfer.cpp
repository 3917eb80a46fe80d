// Full-memory block transfers against the emulator program through the
// socket transport, paced in real time: how close the device link comes to
// the floor the protocol's own pauses set.
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "emulator_process.h"
#include "platform/real_pacer.h"

using namespace orvane;
using namespace orvane::device;

namespace {

constexpr double kChunks = 342;
constexpr double kReadFloorMs = kChunks * 5;
constexpr double kWriteReadBackFloorMs = kChunks * 10 + kChunks * 5;

}  // namespace

int main() {
  bench::EmulatorProcess emulator;
  platform::RealPacer pacer;
  DeviceLink link(pacer);
  if (!emulator.Open(link, pacer) || !link.DevCmd(CmdOpen) || !link.DevCmd(CmdStatus)) {
    std::fprintf(stderr, "the emulated mouse did not appear or answer\n");
    return 1;
  }
  std::vector<uint8_t> image(kMemorySize), back(kMemorySize);
  for (size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<uint8_t>(i * 13 + 7);
  const double read_ms =
      bench::MedianMs([&] { return link.DevReadBlock(0, kMemorySize, back, true); });
  const double write_ms = bench::MedianMs([&] {
    return link.DevWriteBlock(0, kMemorySize, image) &&
           link.DevReadBlock(0, kMemorySize, back, true) && back == image;
  });
  link.DevCmd(CmdSystemReload);
  link.DevCmd(CmdClose);
  if (read_ms < 0 || write_ms < 0) return 1;
  std::printf("block transfers: median of %d runs, orvane-mouse-sim over sockets, real pacer\n",
              bench::kRuns);
  bench::Report("read 2048 bytes", read_ms, kReadFloorMs);
  bench::Report("write 2048 bytes + read-back", write_ms, kWriteReadBackFloorMs);
  return 0;
}
