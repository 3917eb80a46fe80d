#include "sim/mouse_firmware.h"

#include <gtest/gtest.h>

#include "core/emulated_mouse.h"

namespace orvane::sim {
namespace {

using namespace orvane::device;
using testing::EmulatedMouse;

TEST(MouseFirmware, AnswersEachCommandThroughTheDeviceLink) {
  EmulatedMouse mouse;
  auto& id = mouse.firmware->identity();
  id.open_reply = 0xA5;
  id.led_type_bits = 0x80;
  id.driver_link = 0x1A2B;
  const auto& reply = mouse.link.ReportBuf();

  ASSERT_TRUE(mouse.link.DevCmd(CmdOpen));
  EXPECT_EQ(reply[1], 0xA5);
  EXPECT_TRUE(mouse.firmware->SessionOpen());

  ASSERT_TRUE(mouse.link.DevCmd(CmdStatus));
  EXPECT_EQ(reply[1], 0xAA);
  EXPECT_EQ(reply[2], kStatusMemReadyBit | kStatusDriverBit);
  EXPECT_EQ(reply[3], 0xFD);

  ASSERT_TRUE(mouse.link.DevCmd(CmdStatus, kDriverStatusParam1, kDriverStatusParam2));
  EXPECT_EQ(reply[2], kStatusDriverBit);
  EXPECT_EQ(reply[3], 0x80);

  ASSERT_TRUE(mouse.link.DevCmd(CmdSetState, 0x83, 0x02, 0x07, 0x05));
  EXPECT_EQ(mouse.firmware->State(), (std::array<uint8_t, 4>{0x83, 0x02, 0x07, 0x05}));

  ASSERT_TRUE(mouse.link.DevCmd(CmdDriverLink));
  EXPECT_EQ(reply[1], 0x1A);
  EXPECT_EQ(reply[2], 0x2B);

  ASSERT_TRUE(mouse.link.DevCmd(CmdSystemReload));
  ASSERT_TRUE(mouse.link.DevCmd(CmdClose));
  EXPECT_FALSE(mouse.firmware->SessionOpen());
}

TEST(MouseFirmware, StatusFaultsShowInTheReply) {
  EmulatedMouse mouse;
  mouse.firmware->identity().signature = 0x55;
  mouse.firmware->identity().mem_ready = false;
  mouse.firmware->identity().driver_capable = false;
  ASSERT_TRUE(mouse.link.DevCmd(CmdStatus));
  mouse.link.TakeStatusReply();
  EXPECT_FALSE(mouse.link.StatusSignatureOk());
  EXPECT_FALSE(mouse.link.MemReady());
  ASSERT_TRUE(mouse.link.DevCmd(CmdStatus, kDriverStatusParam1, kDriverStatusParam2));
  EXPECT_EQ(mouse.link.ReportBuf()[2] & kStatusDriverBit, 0);
}

TEST(MouseFirmware, RefusesTransfersOutsideItsMemoryAndUnknownCommands) {
  EmulatedMouse mouse;
  EXPECT_FALSE(mouse.link.DevCmd(CmdReadStart, 0xFF, 0x07, 2, 0));  // 0x7FF + 2
  EXPECT_FALSE(mouse.link.DevCmd(CmdWriteStart, 0, 0, 0, 0));       // empty block
  EXPECT_FALSE(mouse.link.DevCmd(0x42));
  EXPECT_FALSE(mouse.link.DevReadNext());                    // no read started
  EXPECT_TRUE(mouse.link.DevCmd(CmdReadStart, 0, 0, 0, 8));  // the whole 2048 bytes
}

TEST(MouseFirmware, StickyBytesNeverTakeANewValue) {
  EmulatedMouse mouse;
  mouse.firmware->faults().sticky[0xD0] = 0x00;
  std::vector<uint8_t> image(2048, 0x5A);
  ASSERT_TRUE(mouse.link.DevWriteBlock(0, 2048, image));
  std::vector<uint8_t> back(2048);
  ASSERT_TRUE(mouse.link.DevReadBlock(0, 2048, back, false));
  for (size_t i = 0; i < back.size(); ++i) {
    ASSERT_EQ(back[i], i == 0xD0 ? 0x00 : 0x5A) << i;
  }
}

TEST(MouseFirmware, LosesEveryNthReadChunkAcrossBlockReads) {
  EmulatedMouse mouse;
  mouse.firmware->memory().fill(0x11);
  mouse.firmware->faults().lose_every_nth_read_chunk = 50;
  std::vector<uint8_t> bytes(2048);
  int unanswered = 0;
  ASSERT_TRUE(mouse.link.DevReadBlock(0, 2048, bytes, false, &unanswered));
  EXPECT_EQ(unanswered, 6);  // chunks 50, 100, ... 300 of 342
  EXPECT_EQ(bytes[49 * 6], 0xFF);
  EXPECT_EQ(bytes[48 * 6], 0x11);
  EXPECT_EQ(bytes[50 * 6], 0x11);
  ASSERT_TRUE(mouse.link.DevReadBlock(0, 2048, bytes, false, &unanswered));
  EXPECT_EQ(unanswered, 7);  // the count runs on: chunks 350, 400, ... 650
}

TEST(MouseFirmware, UnplugsAfterTheGivenNumberOfRequests) {
  EmulatedMouse mouse;
  mouse.firmware->faults().unplug_after_requests = 2;
  EXPECT_TRUE(mouse.link.DevCmd(CmdOpen));
  EXPECT_TRUE(mouse.link.DevCmd(CmdStatus));
  EXPECT_FALSE(mouse.link.DevCmd(CmdClose));
  EXPECT_TRUE(mouse.firmware->Unplugged());
  EXPECT_TRUE(mouse.bus.Enumerate().empty());
}

TEST(MouseFirmware, OnlyTheConfigurationCollectionTakesFeatureReports) {
  EmulatedMouse mouse;
  std::array<uint8_t, 8> report{kReportId, CmdStatus};
  for (const auto& path : mouse.bus.Enumerate()) {
    auto handle = mouse.bus.Open(path);
    ASSERT_TRUE(handle);
    EXPECT_EQ(handle->SetFeature(report), path == mouse.config_path) << path;
  }
  std::array<uint8_t, 8> wrong_id{3, CmdStatus};
  EXPECT_FALSE(mouse.firmware->SetFeature(wrong_id));
  std::array<uint8_t, 9> too_long{kReportId, CmdStatus};
  EXPECT_FALSE(mouse.firmware->SetFeature(too_long));
}

TEST(MouseFirmware, ReportsMemoryChangesOncePerBlockWrite) {
  EmulatedMouse mouse;
  int changes = 0;
  mouse.firmware->SetMemoryChanged([&] {
    ++changes;
    return true;
  });
  const std::vector<uint8_t> bytes(30, 0x33);
  ASSERT_TRUE(mouse.link.DevWriteBlock(0x80, 30, bytes));
  EXPECT_EQ(changes, 1);
  ASSERT_TRUE(mouse.link.DevWriteBlock(0x80, 30, bytes));  // same bytes: no change
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace orvane::sim
