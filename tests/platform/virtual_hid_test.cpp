#include "platform/virtual_hid_backend.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/real_pacer.h"
#include "sim/socket_publisher.h"

namespace orvane::platform {
namespace {

namespace fs = std::filesystem;
using namespace orvane::device;

// An emulator publishing into a private folder, served on its own thread.
class PublishedMouse {
 public:
  explicit PublishedMouse(const std::string& folder, const std::string& name = "mouse")
      : publisher_(folder, name, {}, firmware_) {
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

 private:
  std::shared_ptr<sim::MouseFirmware> firmware_ = std::make_shared<sim::MouseFirmware>();
  sim::SocketPublisher publisher_;
  bool published_ = false;
  std::thread thread_;
};

class VirtualHidTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = (fs::temp_directory_path() /
               ("orvane-vhid-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                  .string();
    fs::remove_all(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A socket file nobody listens on any more, as a crashed emulator leaves.
  void LeaveStaleSocket(const std::string& name) {
    fs::create_directories(folder_);
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace);
    const int fd = socket(AF_UNIX, SOCK_SEQPACKET, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = folder_ + "/" + name;
    std::snprintf(address.sun_path, sizeof(address.sun_path), "%s", path.c_str());
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    close(fd);
  }

  std::string folder_;
};

TEST_F(VirtualHidTest, PublishedMouseIsFoundOpenedAndAnswers) {
  PublishedMouse mouse(folder_);
  ASSERT_TRUE(mouse.published());
  VirtualHidBackend backend(folder_);
  ASSERT_EQ(backend.Enumerate().size(), 3u);
  EXPECT_EQ(CountHidInterfaces(backend), 3);

  RealPacer pacer;
  DeviceLink link(pacer);
  uint32_t version = kWantedVersion;
  ASSERT_TRUE(OpenMouse(backend, link, 0x2E71, 0x0D45, version));
  EXPECT_NE(link.DevPath().find("col02-config"), std::string::npos);

  ASSERT_TRUE(link.DevCmd(CmdStatus));
  link.TakeStatusReply();
  EXPECT_TRUE(link.StatusSignatureOk());
  EXPECT_EQ(link.ChipType(), 0x98);

  std::vector<uint8_t> image(40);
  for (size_t i = 0; i < image.size(); ++i)
    image[i] = static_cast<uint8_t>(i * 3);
  ASSERT_TRUE(link.DevWriteBlock(0x7D0, 40, image));
  std::vector<uint8_t> back(40);
  ASSERT_TRUE(link.DevReadBlock(0x7D0, 40, back, false));
  EXPECT_EQ(back, image);
}

TEST_F(VirtualHidTest, StaleSocketsAreListedButNeverOpened) {
  LeaveStaleSocket("dead-col02-config.hid");
  VirtualHidBackend backend(folder_);
  EXPECT_EQ(backend.Enumerate().size(), 1u);
  EXPECT_EQ(backend.Open(backend.Enumerate()[0]), nullptr);
  EXPECT_EQ(CountHidInterfaces(backend), 0);
}

TEST_F(VirtualHidTest, PublishingReplacesStaleSocketsButNotALiveEmulator) {
  LeaveStaleSocket("mouse-col02-config.hid");
  PublishedMouse first(folder_);
  EXPECT_TRUE(first.published());
  PublishedMouse second(folder_);
  EXPECT_FALSE(second.published());
  VirtualHidBackend backend(folder_);
  EXPECT_EQ(CountHidInterfaces(backend), 3);
}

TEST_F(VirtualHidTest, StoppingTheEmulatorUnplugsTheMouse) {
  PublishedMouse mouse(folder_);
  VirtualHidBackend backend(folder_);
  RealPacer pacer;
  DeviceLink link(pacer);
  uint32_t version = kWantedVersion;
  ASSERT_TRUE(OpenMouse(backend, link, 0x2E71, 0x0D45, version));
  mouse.Stop();
  EXPECT_TRUE(backend.Enumerate().empty());
  std::array<uint8_t, 8> report{kReportId};
  EXPECT_FALSE(link.DevHandle()->GetFeature(report));
}

TEST_F(VirtualHidTest, AMouseThatUnplugsItselfTakesItsSocketsAway) {
  PublishedMouse mouse(folder_);
  mouse.firmware()->faults().unplug_after_requests = 1;  // set before any request
  VirtualHidBackend backend(folder_);
  RealPacer pacer;
  DeviceLink link(pacer);
  uint32_t version = kWantedVersion;
  ASSERT_TRUE(OpenMouse(backend, link, 0x2E71, 0x0D45, version));
  EXPECT_TRUE(link.DevCmd(CmdOpen));
  EXPECT_FALSE(link.DevCmd(CmdClose));
  for (int wait = 0; wait < 100 && !backend.Enumerate().empty(); ++wait)
    pacer.Sleep(10);
  EXPECT_TRUE(backend.Enumerate().empty());
}

}  // namespace
}  // namespace orvane::platform
