#include "platform/linux/virtual_hid_backend.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/linux/virtual_hid_wire.h"
#include "platform/published_mouse.h"
#include "platform/real_pacer.h"

namespace orvane::platform {
namespace {

namespace fs = std::filesystem;
using namespace orvane::device;

using testing::PublishedMouse;

class VirtualHidTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = testing::PrivateDeviceFolder("vhid"); }
  void TearDown() override { fs::remove_all(folder_); }

  // A socket file nobody listens on any more, as a crashed emulator leaves.
  void LeaveStaleSocket(const std::string& name) {
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

// Anyone may create a folder under /tmp first. The programs use the device
// folder only when it is ours, a real directory and closed to others.
TEST_F(VirtualHidTest, OnlyATrustedFolderIsUsed) {
  PublishedMouse mouse(folder_);
  ASSERT_TRUE(mouse.published());
  VirtualHidBackend backend(folder_);
  const std::string config = mouse.ConfigPath(folder_);
  ASSERT_EQ(backend.Enumerate().size(), 3u);
  EXPECT_TRUE(backend.FolderProblem().empty());

  fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::replace);
  EXPECT_TRUE(backend.Enumerate().empty());
  EXPECT_EQ(backend.Open(config), nullptr);
  EXPECT_NE(backend.FolderProblem().find("mode 0711, not 0700"), std::string::npos)
      << backend.FolderProblem();
  fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace);

  const std::string link = folder_ + "-link";
  fs::remove(link);
  fs::create_directory_symlink(folder_, link);
  VirtualHidBackend through_link(link);
  EXPECT_TRUE(through_link.Enumerate().empty());
  EXPECT_EQ(through_link.Open(link + "/mouse-col02-config.hid"), nullptr);
  EXPECT_NE(through_link.FolderProblem().find("symbolic link"), std::string::npos);
  std::string error;
  EXPECT_FALSE(wire::EnsureRuntimeFolder(link, error));
  EXPECT_NE(error.find("symbolic link"), std::string::npos) << error;
  fs::remove(link);

  // A path outside the folder is never opened, whatever it names.
  EXPECT_EQ(backend.Open(folder_ + "/../" + fs::path(config).filename().string()), nullptr);
}

TEST_F(VirtualHidTest, TheEmulatorClosesItsOwnFolderAndKeepsToIt) {
  fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all,
                  fs::perm_options::replace);
  PublishedMouse mouse(folder_);
  ASSERT_TRUE(mouse.published());
  EXPECT_EQ(fs::status(folder_).permissions() & fs::perms::all, fs::perms::owner_all);
  for (const char* name : {"../escape", "a/b", ".hidden", "", "x y"}) {
    EXPECT_FALSE(wire::ValidDeviceName(name)) << name;
    PublishedMouse bad(folder_, name);
    EXPECT_FALSE(bad.published()) << name;
  }
  EXPECT_TRUE(wire::ValidDeviceName("second-mouse_2"));
  if (geteuid() == 0) {  // only root can give a folder to someone else
    ASSERT_EQ(chown(folder_.c_str(), 54321, 54321), 0);
    EXPECT_NE(VirtualHidBackend(folder_).FolderProblem().find("belongs to user 54321"),
              std::string::npos);
    std::string error;
    EXPECT_FALSE(wire::EnsureRuntimeFolder(folder_, error));
    ASSERT_EQ(chown(folder_.c_str(), 0, 0), 0);
  }
}

}  // namespace
}  // namespace orvane::platform
