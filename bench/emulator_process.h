#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "core/device/device_link.h"
#include "platform/linux/virtual_hid_backend.h"

namespace orvane::bench {

// orvane-mouse-sim as a separate process publishing into a private runtime
// folder, found and opened through the socket transport as the program
// finds it.
class EmulatorProcess {
 public:
  EmulatorProcess();
  ~EmulatorProcess();
  EmulatorProcess(const EmulatorProcess&) = delete;
  EmulatorProcess& operator=(const EmulatorProcess&) = delete;

  // Waits for the mouse to appear and opens it; false when it does not.
  bool Open(device::DeviceLink& link, platform::Pacer& pacer);

 private:
  std::string runtime_;
  pid_t pid_ = -1;
  std::unique_ptr<platform::VirtualHidBackend> backend_;
};

// The program's peak resident memory so far, in MiB.
double PeakMemoryMiB();

}  // namespace orvane::bench
