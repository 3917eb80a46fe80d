// orvane-mouse-sim: the Orvane Gaming Mouse, emulated, for trying and testing
// the utility without the hardware.
#include <csignal>
#include <cstdio>
#include <memory>

#include "platform/atomic_file.h"
#include "platform/file_read.h"
#include "platform/linux/virtual_hid_wire.h"
#include "sim/default_memory.h"
#include "sim/driver_store.h"
#include "sim/sim_options.h"
#include "sim/socket_publisher.h"

namespace {

orvane::sim::SocketPublisher* g_publisher = nullptr;

void OnStopSignal(int) {
  if (g_publisher != nullptr) g_publisher->Stop();
}

void Complain(const std::string& text) {
  std::fprintf(stderr, "orvane-mouse-sim: %s\n", text.c_str());
}

bool SaveBytes(const std::string& path, std::span<const uint8_t> bytes) {
  std::string error;
  if (orvane::util::WriteFileAtomically(path, bytes, &error)) return true;
  Complain(error);
  return false;
}

// The memory file and the memory served always agree: a missing file is
// created from the fresh memory, anything but a 2048-byte file is refused.
bool OpenMemoryFile(const std::string& path, orvane::sim::Memory& memory) {
  std::string error;
  switch (orvane::util::ReadExactFile(path, memory, error)) {
    case orvane::util::FileRead::kOk: return true;
    case orvane::util::FileRead::kMissing: return SaveBytes(path, memory);
    case orvane::util::FileRead::kRefused: Complain("--memory " + error); return false;
  }
  return false;
}

// The driver's store file, kept like the memory file: a missing one is
// created from a fresh store, anything but a whole store is refused.
bool OpenDriverStoreFile(const std::string& path, orvane::sim::DriverStore& store) {
  std::string error;
  switch (orvane::util::ReadExactFile(path, store.bytes(), error)) {
    case orvane::util::FileRead::kOk: return true;
    case orvane::util::FileRead::kMissing: return SaveBytes(path, store.bytes());
    case orvane::util::FileRead::kRefused: Complain("--driver-store " + error); return false;
  }
  return false;
}

// Publishes the driver's device beside the mouse, its store kept in `path`;
// the live state the mouse is given lands in the store, as the driver keeps it.
bool AttachDriverStore(const orvane::sim::SimOptions& options, orvane::sim::MouseFirmware& firmware,
                       orvane::sim::SocketPublisher& publisher, bool& store_lost) {
  using namespace orvane::sim;
  auto store = std::make_shared<DriverStore>();
  store->Format(DefaultMemory());
  const std::string& path = options.driver_store_file;
  if (!OpenDriverStoreFile(path, *store)) return false;
  const auto keep = [store, path, &store_lost] {
    if (SaveBytes(path, store->bytes())) return true;
    Complain("cannot keep the driver store in " + path);
    store_lost = true;
    return false;
  };
  firmware.SetStateChanged([store, keep](const std::array<uint8_t, 4>& state) {
    store->SetState(state);
    keep();
  });
  publisher.AttachDriver(store, DriverDevicePath(options.identity.driver_link), keep);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane::sim;
  std::string error;
  const auto options = ParseSimOptions({argv + 1, argv + argc}, error);
  if (!options) {
    Complain(error);
    return 2;
  }
  if (options->help) {
    std::fputs(SimUsage().c_str(), stdout);
    return 0;
  }

  auto firmware = std::make_shared<MouseFirmware>(options->identity, options->faults);
  firmware->memory() = DefaultMemory();
  bool memory_lost = false;
  if (!options->memory_file.empty()) {
    const std::string& path = options->memory_file;
    if (!OpenMemoryFile(path, firmware->memory())) return 1;
    // A plain pointer: the firmware owns this callback, and a shared pointer
    // here would keep the firmware alive forever.
    MouseFirmware* mouse = firmware.get();
    firmware->SetMemoryChanged([mouse, path, &memory_lost] {
      if (SaveBytes(path, mouse->memory())) return true;
      Complain("cannot keep the memory in " + path + "; the mouse unplugs itself");
      memory_lost = true;
      return false;
    });
  }

  SocketPublisher publisher(orvane::platform::wire::RuntimeFolder(), options->device_name,
                            options->hardware, firmware);
  bool store_lost = false;
  if (!options->driver_store_file.empty() &&
      !AttachDriverStore(*options, *firmware, publisher, store_lost)) {
    return 1;
  }
  if (!publisher.Publish(error)) {
    Complain(error);
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
  return memory_lost || store_lost ? 1 : 0;
}
