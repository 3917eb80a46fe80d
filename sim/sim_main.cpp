// orvane-mouse-sim: the Orvane Gaming Mouse, emulated, for trying and testing
// the utility without the hardware.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "core/util/atomic_file.h"
#include "platform/virtual_hid_wire.h"
#include "sim/default_memory.h"
#include "sim/sim_options.h"
#include "sim/socket_publisher.h"

namespace {

orvane::sim::SocketPublisher* g_publisher = nullptr;

void OnStopSignal(int) {
  if (g_publisher != nullptr) g_publisher->Stop();
}

bool LoadMemory(const std::string& path, orvane::sim::Memory& memory) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
  // A shorter file leaves the rest of the memory as it started.
  std::copy_n(bytes.begin(), std::min(bytes.size(), memory.size()), memory.begin());
  return true;
}

bool SaveMemory(const std::string& path, const orvane::sim::Memory& memory) {
  std::string error;
  if (orvane::util::WriteFileAtomically(path, memory, &error)) return true;
  std::fprintf(stderr, "orvane-mouse-sim: %s\n", error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane::sim;
  std::string error;
  const auto options = ParseSimOptions({argv + 1, argv + argc}, error);
  if (!options) {
    std::fprintf(stderr, "orvane-mouse-sim: %s\n", error.c_str());
    return 2;
  }
  if (options->help) {
    std::fputs(SimUsage().c_str(), stdout);
    return 0;
  }

  auto firmware = std::make_shared<MouseFirmware>(options->identity, options->faults);
  firmware->memory() = DefaultMemory();
  if (!options->memory_file.empty()) {
    const std::string& path = options->memory_file;
    if (!LoadMemory(path, firmware->memory()) && !SaveMemory(path, firmware->memory())) return 1;
    firmware->SetMemoryChanged([firmware, path] { SaveMemory(path, firmware->memory()); });
  }

  SocketPublisher publisher(orvane::platform::wire::RuntimeFolder(), options->device_name,
                            options->hardware, firmware);
  if (!publisher.Publish(error)) {
    std::fprintf(stderr, "orvane-mouse-sim: %s\n", error.c_str());
    return 1;
  }
  g_publisher = &publisher;
  std::signal(SIGINT, OnStopSignal);
  std::signal(SIGTERM, OnStopSignal);
  std::signal(SIGHUP, OnStopSignal);  // a closed terminal unplugs too, leaving no stale sockets

  std::printf("orvane-mouse-sim: mouse plugged in; interfaces:\n");
  for (const auto& path : publisher.SocketPaths())
    std::printf("  %s\n", path.c_str());
  std::fflush(stdout);
  publisher.Serve();
  g_publisher = nullptr;
  std::printf("orvane-mouse-sim: mouse unplugged\n");
  return 0;
}
