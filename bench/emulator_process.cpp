#include "emulator_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/device/hid_discovery.h"

extern char** environ;

namespace orvane::bench {

namespace fs = std::filesystem;

EmulatorProcess::EmulatorProcess()
    : runtime_(
          (fs::temp_directory_path() / ("orvane-bench-" + std::to_string(getpid()))).string()) {
  fs::create_directories(runtime_);
  fs::permissions(runtime_, fs::perms::owner_all);
  setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  char* const args[] = {const_cast<char*>(ORVANE_SIM_PROGRAM), nullptr};
  posix_spawn_file_actions_t quiet;  // the emulator's own chatter stays out of the figures
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  if (posix_spawn(&pid_, ORVANE_SIM_PROGRAM, &quiet, nullptr, args, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&quiet);
  backend_ = std::make_unique<platform::VirtualHidBackend>(runtime_ + "/orvane-mouse");
}

EmulatorProcess::~EmulatorProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  fs::remove_all(runtime_);
}

bool EmulatorProcess::Open(device::DeviceLink& link, platform::Pacer& pacer) {
  if (pid_ < 0) return false;
  for (int wait = 0; wait < 100; ++wait) {
    uint32_t version = device::kWantedVersion;
    if (OpenMouse(*backend_, link, device::kMouseVendorId, device::kMouseProductId, version)) {
      return true;
    }
    pacer.Sleep(20);
  }
  return false;
}

double PeakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

}  // namespace orvane::bench
