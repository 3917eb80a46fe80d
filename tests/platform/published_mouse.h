#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "sim/socket_publisher.h"

namespace orvane::testing {

// A private device folder for one test, as the emulator would make it.
inline std::string PrivateDeviceFolder(const std::string& kind) {
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("orvane-" + kind + "-" + std::to_string(getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace);
  return folder.string();
}

// An emulator publishing into a folder, served on its own thread; with a
// driver store, the driver's device (link 0x1A2B) too.
class PublishedMouse {
 public:
  explicit PublishedMouse(const std::string& folder, const std::string& name = "mouse",
                          sim::FirmwareFaults faults = {},
                          std::shared_ptr<sim::DriverStore> driver = nullptr)
      : firmware_(std::make_shared<sim::MouseFirmware>(sim::FirmwareIdentity{}, faults)),
        publisher_(folder, name, {}, firmware_) {
    if (driver) publisher_.AttachDriver(driver, sim::DriverDevicePath(0x1A2B), {});
    std::string error;
    published_ = publisher_.Publish(error);
    if (published_) thread_ = std::thread([this] { publisher_.Serve(); });
  }
  ~PublishedMouse() { Stop(); }
  void Stop() {
    publisher_.Stop();
    if (thread_.joinable()) thread_.join();
  }

  bool published() const { return published_; }
  std::shared_ptr<sim::MouseFirmware> firmware() const { return firmware_; }
  std::string ConfigPath(const std::string& folder, const std::string& name = "mouse") const {
    return folder + "/" + name + "-col02-config.hid";
  }

 private:
  std::shared_ptr<sim::MouseFirmware> firmware_;
  sim::SocketPublisher publisher_;
  bool published_ = false;
  std::thread thread_;
};

}  // namespace orvane::testing
