// The emulator program's serving loop with several clients: a stall answered
// late, one session at a time, a client that never reads, and running out of
// file descriptors.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/linux/unix_socket.h"
#include "platform/linux/virtual_hid_backend.h"
#include "platform/linux/virtual_hid_wire.h"
#include "platform/published_mouse.h"
#include "platform/real_pacer.h"

namespace orvane::platform {
namespace {

namespace fs = std::filesystem;
using namespace orvane::device;
using testing::PublishedMouse;
using Clock = std::chrono::steady_clock;

class EmulatorServingTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = testing::PrivateDeviceFolder("serving"); }
  void TearDown() override { fs::remove_all(folder_); }

  std::unique_ptr<DeviceLink> OpenLink() {
    auto link = std::make_unique<DeviceLink>(pacer_);
    uint32_t version = kWantedVersion;
    EXPECT_TRUE(OpenMouse(backend_, *link, kMouseVendorId, kMouseProductId, version));
    return link;
  }

  std::string folder_;
  RealPacer pacer_;
  VirtualHidBackend backend_{""};
};

// The emulator stops answering in the middle of a read and then answers
// everything late: the read stops with a failure instead of taking those
// late answers for its later chunks, and the next read is whole and right.
TEST_F(EmulatorServingTest, AStalledReadFailsAndLateAnswersAreDropped) {
  sim::FirmwareFaults faults;
  faults.stall_ms = 400;
  faults.stall_after_requests = 150;
  backend_ = VirtualHidBackend(folder_);
  PublishedMouse mouse(folder_, "mouse", faults);
  ASSERT_TRUE(mouse.published());
  for (size_t i = 0; i < mouse.firmware()->memory().size(); ++i)
    mouse.firmware()->memory()[i] = static_cast<uint8_t>(i * 13 + 5);
  const auto memory = mouse.firmware()->memory();
  auto link = OpenLink();
  std::vector<uint8_t> bytes(2048);
  int unanswered = 0;
  const auto start = Clock::now();
  EXPECT_FALSE(link->DevReadBlock(0, 2048, bytes, false, &unanswered));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(2));
  EXPECT_GT(unanswered, 0);
  for (size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_TRUE(bytes[i] == memory[i] || bytes[i] == 0xFF) << "a wrong byte at " << i;
  }

  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the stall is over
  EXPECT_TRUE(link->DevReadBlock(0, 2048, bytes, false, &unanswered));
  EXPECT_EQ(unanswered, 0);
  EXPECT_TRUE(std::equal(memory.begin(), memory.end(), bytes.begin()));
}

// While one client has a session, the lock is refused to others and their
// feature requests wait; when it closes they are answered.
TEST_F(EmulatorServingTest, OneSessionAtATime) {
  backend_ = VirtualHidBackend(folder_);
  PublishedMouse mouse(folder_);
  ASSERT_TRUE(mouse.published());
  auto first = OpenLink();
  auto second = OpenLink();
  ASSERT_TRUE(first->LockExclusive(0));
  EXPECT_FALSE(second->LockExclusive(0));
  EXPECT_FALSE(second->LockExclusive(200)) << "waits, then gives up";
  ASSERT_TRUE(first->DevCmd(CmdOpen));
  EXPECT_FALSE(second->DevCmd(CmdStatus)) << "held while the first session runs";
  ASSERT_TRUE(first->DevCmd(CmdClose));
  first->UnlockExclusive();
  EXPECT_TRUE(second->LockExclusive(0));
  EXPECT_TRUE(second->DevCmd(CmdStatus));
  second->UnlockExclusive();

  // A client that opened a session without the lock and then left: gone
  // with it, the session ends.
  ASSERT_TRUE(first->DevCmd(CmdOpen));
  first.reset();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(second->LockExclusive(0));
}

// A client that sends and never reads its answers cannot hold up anyone.
TEST_F(EmulatorServingTest, AClientThatNeverReadsHoldsUpNobody) {
  backend_ = VirtualHidBackend(folder_);
  PublishedMouse mouse(folder_);
  ASSERT_TRUE(mouse.published());
  UnixSocket greedy = UnixSocket::Connect(mouse.ConfigPath(folder_));
  ASSERT_TRUE(greedy.Valid());
  int sent = 0;
  for (uint32_t sequence = 1; sequence < 200000; ++sequence, ++sent) {
    if (greedy.Send(wire::EncodeRequest(wire::Op::kDescribe, sequence)) != SocketIo::kOk) break;
  }
  EXPECT_GT(sent, 100);
  auto link = OpenLink();
  std::vector<uint8_t> bytes(60);
  const auto start = Clock::now();
  EXPECT_TRUE(link->DevReadBlock(0, 60, bytes, false));
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(500));
}

// Out of file descriptors, pending connections keep the listener readable:
// the emulator must pause its accepting instead of spinning on it.
TEST_F(EmulatorServingTest, OutOfDescriptorsItWaitsInsteadOfSpinning) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const rlimit limit{16, 16};
    setrlimit(RLIMIT_NOFILE, &limit);
    signal(SIGTERM, SIG_DFL);
    PublishedMouse mouse(folder_);
    pause();  // served on its thread until the parent ends it
    _exit(0);
  }
  const std::string config = folder_ + "/mouse-col02-config.hid";
  for (int wait = 0; wait < 100 && !fs::exists(config); ++wait)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::vector<UnixSocket> connections;
  for (int i = 0; i < 40; ++i)
    connections.push_back(UnixSocket::Connect(config));
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  ASSERT_EQ(wait4(child, &status, 0, &usage), child);
  const double cpu_seconds =
      static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
      static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  EXPECT_LT(cpu_seconds, 0.3) << "CPU seconds spent in one second out of descriptors";
}

}  // namespace
}  // namespace orvane::platform
