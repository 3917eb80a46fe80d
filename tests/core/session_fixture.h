#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/config/default_images.h"
#include "core/config/section_checks.h"
#include "core/device/device_sessions.h"
#include "core/emulated_mouse.h"

namespace orvane::testing {

// Remembers what a session showed, and whether it left the timer, lock and
// busy window as it found them.
struct RecordingUi : device::SessionUi {
  void DisableDevTimer() override { timer_enabled = false; }
  void EnableDevTimer() override { timer_enabled = true; }
  void LockUi() override { locked = true; }
  void UnlockUi() override { locked = false; }
  void ShowBusy() override { busy = true; }
  void HideBusy() override { busy = false; }
  void ShowMessage(device::Message message, const std::string& detail) override {
    messages.push_back(message);
    details.push_back(detail);
    shown_while_busy += busy;
  }
  void ShowProblem(const std::string& what) override { problems.push_back(what); }
  void DataBufToUI() override { ++shows; }

  bool Restored() const { return timer_enabled && !locked && !busy; }

  bool timer_enabled = true;
  bool locked = false;
  bool busy = false;
  int shows = 0;
  std::vector<device::Message> messages;
  std::vector<std::string> details;
  int shown_while_busy = 0;
  std::vector<std::string> problems;
};

// An emulated mouse holding default image 1 with level 1 at 1600 DPI, the
// sessions over it in virtual time, and a private program folder.
struct SessionFixture {
  SessionFixture() {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    mouse.firmware->memory() = MouseImage();
    sessions.InitNoDevice();
  }
  ~SessionFixture() { std::filesystem::remove_all(folder); }

  static config::Image MouseImage() {
    config::Image image = config::DefaultImage(1);
    image[6] = 4;  // level 1: 1600 DPI
    config::SealSection(std::span<uint8_t>(image.data(), config::kParameterA.length));
    return image;
  }

  device::SessionSettings Settings() const {
    device::SessionSettings settings;
    settings.expected_maker_id = config::ExpectedMakerId();
    settings.expected_product_id = config::ExpectedProductId();
    settings.exe_dir = folder.string() + "/";
    return settings;
  }

  uint64_t Requests(uint8_t command) const { return mouse.firmware->RequestsOf(command); }

  static std::filesystem::path PrivateFolder() {
    return std::filesystem::temp_directory_path() /
           ("orvane-sessions-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
  }

  // Declared first: the sessions' settings are made from it.
  std::filesystem::path folder = PrivateFolder();
  EmulatedMouse mouse;
  RecordingUi ui;
  config::Configuration config;
  device::DeviceSessions sessions{mouse.link, config, ui, mouse.pacer, Settings()};
};

}  // namespace orvane::testing
