// Full-memory transfers against the emulator program through the socket
// transport, paced in real time: how close the device link comes to the
// floor the protocol's own pauses set.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/real_pacer.h"
#include "platform/virtual_hid_backend.h"
#include "platform/virtual_hid_wire.h"

extern char** environ;

namespace {

using namespace orvane;
using namespace orvane::device;
namespace fs = std::filesystem;

constexpr int kRuns = 3;
constexpr double kChunks = 342;
constexpr double kReadFloorMs = kChunks * 5;
constexpr double kWriteReadBackFloorMs = kChunks * 10 + kChunks * 5;

pid_t StartEmulator() {
  char* const args[] = {const_cast<char*>(ORVANE_SIM_PROGRAM), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, ORVANE_SIM_PROGRAM, nullptr, nullptr, args, environ) != 0) return -1;
  return pid;
}

template <typename Transfer>
double MedianMs(Transfer transfer) {
  std::vector<double> times;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!transfer()) return -1;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
  }
  std::sort(times.begin(), times.end());
  return times[kRuns / 2];
}

void Report(const char* name, double ms, double floor_ms) {
  std::printf("%-32s %8.1f ms   floor %7.1f ms   ratio %.3f\n", name, ms, floor_ms, ms / floor_ms);
}

int Measure(DeviceLink& link) {
  if (!link.DevCmd(CmdOpen) || !link.DevCmd(CmdStatus)) return 1;
  std::vector<uint8_t> image(kMemorySize), back(kMemorySize);
  for (size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<uint8_t>(i * 13 + 7);
  const double read_ms = MedianMs([&] { return link.DevReadBlock(0, kMemorySize, back, true); });
  const double write_ms = MedianMs([&] {
    return link.DevWriteBlock(0, kMemorySize, image) &&
           link.DevReadBlock(0, kMemorySize, back, true) && back == image;
  });
  link.DevCmd(CmdSystemReload);
  link.DevCmd(CmdClose);
  if (read_ms < 0 || write_ms < 0) return 1;
  std::printf("median of %d runs, orvane-mouse-sim over the socket transport, real pacer\n", kRuns);
  Report("read 2048 bytes", read_ms, kReadFloorMs);
  Report("write 2048 bytes + read-back", write_ms, kWriteReadBackFloorMs);
  return 0;
}

}  // namespace

int main() {
  const fs::path runtime = fs::temp_directory_path() / ("orvane-bench-" + std::to_string(getpid()));
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  const pid_t emulator = StartEmulator();
  if (emulator < 0) return std::fprintf(stderr, "cannot start %s\n", ORVANE_SIM_PROGRAM), 1;

  platform::VirtualHidBackend backend;
  platform::RealPacer pacer;
  DeviceLink link(pacer);
  uint32_t version = kWantedVersion;
  bool opened = false;
  for (int wait = 0; wait < 100 && !opened; ++wait) {
    opened = OpenMouse(backend, link, kMouseVendorId, kMouseProductId, version);
    if (!opened) pacer.Sleep(20);
  }
  const int result = opened ? Measure(link) : 1;
  if (!opened) std::fprintf(stderr, "the emulated mouse did not appear\n");
  link.Invalidate();
  kill(emulator, SIGTERM);
  waitpid(emulator, nullptr, 0);
  fs::remove_all(runtime);
  return result;
}
