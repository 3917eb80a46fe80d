#include "core/device/device_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <vector>

#include "core/emulated_mouse.h"

namespace orvane::device {
namespace {

using testing::EmulatedMouse;

std::vector<uint8_t> Pattern(size_t size, uint8_t first) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<uint8_t>(first + i * 7);
  return bytes;
}

TEST(ChunkCount, SplitsBlocksIntoSixByteChunks) {
  struct Case {
    int length;
    int chunks;
  };
  for (const Case c : {Case{2048, 342}, Case{2, 1}, Case{6, 1}, Case{7, 2}, Case{12, 2},
                       Case{1024, 171}, Case{1, 1}}) {
    EXPECT_EQ(ChunkCount(c.length), c.chunks) << c.length;
  }
}

// Block transfers of several lengths and addresses: the bytes arrive, the
// mouse sees one chunk request per 6 bytes (a short last chunk for the rest)
// and nothing outside the block changes.
TEST(DeviceLink, BlockTransfersMoveExactlyTheirBytes) {
  struct Case {
    uint16_t address;
    uint16_t length;
    int chunks;
  };
  for (const Case c : {Case{0, 2048, 342}, Case{0x036, 2, 1}, Case{0x080, 30, 5},
                       Case{0x0B0, 20, 4}, Case{0x7FF, 1, 1}, Case{0x100, 1024, 171}}) {
    EmulatedMouse mouse;
    ASSERT_TRUE(mouse.opened);
    const auto before = mouse.firmware->memory();
    const auto data = Pattern(c.length, static_cast<uint8_t>(c.address));
    ASSERT_TRUE(mouse.link.DevWriteBlock(c.address, c.length, data));
    EXPECT_EQ(mouse.firmware->RequestsOf(CmdWriteNext), static_cast<uint64_t>(c.chunks));

    std::vector<uint8_t> back(c.length + 4, 0x11);
    ASSERT_TRUE(mouse.link.DevReadBlock(c.address, c.length, back, false));
    EXPECT_EQ(mouse.firmware->RequestsOf(CmdReadNext), static_cast<uint64_t>(c.chunks));
    EXPECT_TRUE(std::equal(data.begin(), data.end(), back.begin())) << c.address;
    EXPECT_EQ(back[c.length], 0x11) << "read past the requested length";

    auto expected = before;
    std::copy(data.begin(), data.end(), expected.begin() + c.address);
    EXPECT_EQ(mouse.firmware->memory(), expected) << c.address;
  }
}

// The pauses and attempt counts of the acknowledged exchange, in virtual time.
TEST(DeviceLink, RetriesAndPausesOfOneCommand) {
  struct Case {
    const char* name;
    std::function<void(sim::FirmwareFaults&)> fault;
    std::function<bool(DeviceLink&)> operation;
    uint8_t command;
    bool acknowledged;
    int64_t virtual_ms;
    uint64_t requests;
  };
  const auto status = [](DeviceLink& link) { return link.DevCmd(CmdStatus); };
  const auto read_next = [](DeviceLink& link) { return link.DevReadNext(); };
  const auto write_next = [](DeviceLink& link) {
    const uint8_t data[6] = {1, 2, 3, 4, 5, 6};
    return link.DevWriteNext(data);
  };
  const auto never = [](uint8_t command) {
    return [command](sim::FirmwareFaults& f) { f.no_answer[command].times = -1; };
  };
  const std::vector<Case> cases = {
      {"answered at once", [](auto&) {}, status, CmdStatus, true, 10, 1},
      {"two empty replies first", [](auto& f) { f.empty_replies_before_answer = 2; }, status,
       CmdStatus, true, 30, 1},
      {"five empty replies every time", [](auto& f) { f.empty_replies_before_answer = 5; }, status,
       CmdStatus, false, 300, 5},
      {"never answered: the 300 ms worst case", never(CmdStatus), status, CmdStatus, false, 300, 5},
      {"ignored twice, then answered", [](auto& f) { f.no_answer[CmdStatus].times = 2; }, status,
       CmdStatus, true, 130, 3},
      {"refused once: sent again at once",
       [](auto& f) {
         f.refuse[CmdStatus] = {0x55, {1}};
       },
       status, CmdStatus, true, 20, 2},
      {"refused always",
       [](auto& f) {
         f.refuse[CmdStatus] = {0x01, {-1}};
       },
       status, CmdStatus, false, 50, 5},
      {"read chunk answered", [](auto&) {}, read_next, CmdReadNext, true, 5, 1},
      {"read chunk never answered", never(CmdReadNext), read_next, CmdReadNext, false, 150, 5},
      {"write chunk answered", [](auto&) {}, write_next, CmdWriteNext, true, 10, 1},
      {"write chunk never answered", never(CmdWriteNext), write_next, CmdWriteNext, false, 175, 5},
      {"every fetch gives up: one fetch an attempt",
       [](auto& f) {
         f.fail_fetches_after_requests = 0;
         f.failed_fetches = 1000;
       },
       status, CmdStatus, false, 50, 5},
  };
  for (const Case& c : cases) {
    EmulatedMouse mouse;
    if (c.command == CmdReadNext) {
      ASSERT_TRUE(mouse.link.DevCmd(CmdReadStart, 0, 0, 6, 0));
    }
    if (c.command == CmdWriteNext) {
      ASSERT_TRUE(mouse.link.DevCmd(CmdWriteStart, 0, 0, 6, 0));
    }
    const int64_t start = mouse.pacer.NowMs();
    c.fault(mouse.firmware->faults());
    EXPECT_EQ(c.operation(mouse.link), c.acknowledged) << c.name;
    EXPECT_EQ(mouse.pacer.NowMs() - start, c.virtual_ms) << c.name;
    EXPECT_EQ(mouse.firmware->RequestsOf(c.command), c.requests) << c.name;
  }
}

TEST(DeviceLink, UnansweredReadChunkReadsFFAndTheBlockStillSucceeds) {
  EmulatedMouse mouse;
  mouse.firmware->memory().fill(0x42);
  mouse.firmware->faults().lose_read_chunks_at = {1};
  std::vector<uint8_t> bytes(14, 0);
  int unanswered = -1;
  EXPECT_TRUE(mouse.link.DevReadBlock(0x10, 14, bytes, false, &unanswered));
  EXPECT_EQ(unanswered, 1);
  const std::vector<uint8_t> expected = {0x42, 0x42, 0x42, 0x42, 0x42, 0x42, 0xFF,
                                         0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x42, 0x42};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(mouse.firmware->RequestsOf(CmdReadNext), 5u + 2u);
}

// A reply lost on the way (the call gave up) leaves the transfer not knowing
// whether the mouse moved on: the next chunk asked for could be the one after.
// The transfer stops there instead of taking a neighbour's bytes.
TEST(DeviceLink, ACallThatGivesUpStopsTheBlockTransfer) {
  for (const bool reading : {true, false}) {
    EmulatedMouse mouse;
    const auto memory = Pattern(2048, 3);
    std::copy(memory.begin(), memory.end(), mouse.firmware->memory().begin());
    auto& faults = mouse.firmware->faults();
    faults.fail_fetches_after_requests = 1 + 41;  // lost: the reply to the 41st chunk
    faults.failed_fetches = 1;
    std::vector<uint8_t> bytes(2048, 0);
    int unanswered = 0;
    const bool done = reading ? mouse.link.DevReadBlock(0, 2048, bytes, false, &unanswered)
                              : mouse.link.DevWriteBlock(0, 2048, bytes);
    EXPECT_FALSE(done) << reading;
    const uint8_t chunk_command = reading ? CmdReadNext : CmdWriteNext;
    EXPECT_EQ(mouse.firmware->RequestsOf(chunk_command), 41u) << "no chunk after the lost reply";
    EXPECT_TRUE(mouse.link.HandleValid()) << "the mouse is still there";
    if (reading) {
      EXPECT_EQ(unanswered, 342 - 40);  // the lost chunk and every one after
      EXPECT_TRUE(std::equal(memory.begin(), memory.begin() + 240, bytes.begin()));
      EXPECT_TRUE(
          std::all_of(bytes.begin() + 240, bytes.end(), [](uint8_t b) { return b == 0xFF; }));
    }
  }
}

// A mouse unplugged in the middle of a transfer: the link lets go of it at
// the first failed call, and nothing more is tried or waited for.
TEST(DeviceLink, AMouseThatHasGoneEndsTheTransferAtOnce) {
  for (const bool reading : {true, false}) {
    EmulatedMouse mouse;
    mouse.firmware->faults().unplug_after_requests = 100;
    std::vector<uint8_t> bytes(2048, 0);
    const bool done = reading ? mouse.link.DevReadBlock(0, 2048, bytes, false)
                              : mouse.link.DevWriteBlock(0, 2048, bytes);
    EXPECT_FALSE(done);
    EXPECT_FALSE(mouse.link.HandleValid());
    const int calls = mouse.bus.counters().feature_calls;
    const int64_t now = mouse.pacer.NowMs();
    EXPECT_FALSE(mouse.link.DevCmd(CmdClose));
    EXPECT_EQ(mouse.bus.counters().feature_calls, calls);
    EXPECT_EQ(mouse.pacer.NowMs(), now);
    EXPECT_LT(now, 100 * 12 + 20) << "about one pause per request made, none after";
  }
}

TEST(DeviceLink, UnacknowledgedBlockStartsFail) {
  EmulatedMouse mouse;
  mouse.firmware->faults().no_answer[CmdReadStart].times = -1;
  mouse.firmware->faults().no_answer[CmdWriteStart].times = -1;
  std::vector<uint8_t> bytes(8, 0x00);
  int unanswered = -1;
  EXPECT_FALSE(mouse.link.DevReadBlock(0, 8, bytes, false, &unanswered));
  EXPECT_EQ(bytes, std::vector<uint8_t>(8, 0xFF));
  EXPECT_EQ(unanswered, 0);
  EXPECT_FALSE(mouse.link.DevWriteBlock(0, 8, bytes));
  EXPECT_EQ(mouse.firmware->RequestsOf(CmdReadNext) + mouse.firmware->RequestsOf(CmdWriteNext), 0u);
}

// A short last chunk goes out with the previous chunk's bytes in its unused
// tail (0xFF for a block under 6 bytes); the mouse takes only the real bytes.
TEST(DeviceLink, ShortLastWriteChunkCarriesTheStagingTail) {
  struct Case {
    uint16_t length;
    std::array<uint8_t, 6> last_chunk;
  };
  const std::vector<uint8_t> source = {10, 11, 12, 13, 14, 15, 16, 17};
  for (const Case& c :
       {Case{8, {16, 17, 12, 13, 14, 15}}, Case{2, {10, 11, 0xFF, 0xFF, 0xFF, 0xFF}},
        Case{6, {10, 11, 12, 13, 14, 15}}}) {
    EmulatedMouse mouse;
    ASSERT_TRUE(mouse.link.DevWriteBlock(0x200, c.length, source));
    const auto& sent = mouse.firmware->LastRequest();
    EXPECT_EQ(sent[1], CmdWriteNext);
    EXPECT_TRUE(std::equal(c.last_chunk.begin(), c.last_chunk.end(), sent.begin() + 2)) << c.length;
    for (int i = 0; i < 8; ++i) {
      const uint8_t expected = i < c.length ? source[i] : 0;
      EXPECT_EQ(mouse.firmware->memory()[0x200 + i], expected) << c.length << " byte " << i;
    }
  }
}

TEST(DeviceLink, InvalidHandleMakesNoHidCall) {
  EmulatedMouse mouse;
  mouse.link.Invalidate();
  const int calls_before = mouse.bus.counters().feature_calls;
  std::vector<uint8_t> bytes(12, 0);
  const uint8_t chunk[6] = {};
  EXPECT_FALSE(mouse.link.FeatureSet());
  EXPECT_FALSE(mouse.link.FeatureGet());
  EXPECT_FALSE(mouse.link.DevCmd(CmdOpen));
  EXPECT_FALSE(mouse.link.DevReadNext());
  EXPECT_FALSE(mouse.link.DevWriteNext(chunk));
  EXPECT_FALSE(mouse.link.DevReadBlock(0, 12, bytes, true));
  EXPECT_FALSE(mouse.link.DevWriteBlock(0, 12, bytes));
  EXPECT_EQ(mouse.bus.counters().feature_calls, calls_before);
  EXPECT_EQ(mouse.pacer.NowMs(), 0);
  EXPECT_EQ(mouse.link.DevVID(), 0u);
}

// A mouse that has gone answers nothing, even when the request's own byte 7
// (a data byte of the write chunk) happens to be 0xCC.
TEST(DeviceLink, FailedFetchIsNeverAnAcknowledgement) {
  EmulatedMouse mouse;
  mouse.firmware->faults().unplug_after_requests = 0;
  const uint8_t chunk[6] = {1, 2, 3, 4, 5, kAcknowledged};
  EXPECT_FALSE(mouse.link.DevWriteNext(chunk));
}

TEST(DeviceLink, StatusReplySetsMemReadyAndChipType) {
  struct Case {
    bool mem_ready;
    uint8_t chip_code;
    uint8_t chip_type;  // starting from 0x77
  };
  for (const Case c : {Case{true, 0x35, 0x90}, Case{true, 0x75, 0x99}, Case{false, 0xFD, 0x98},
                       Case{true, 0x12, 0x77}}) {
    EmulatedMouse mouse;
    mouse.firmware->identity().mem_ready = c.mem_ready;
    mouse.firmware->identity().chip_code = c.chip_code;
    mouse.link.SetChipType(0x77);
    ASSERT_TRUE(mouse.link.DevCmd(CmdStatus));
    mouse.link.TakeStatusReply();
    EXPECT_TRUE(mouse.link.StatusSignatureOk());
    EXPECT_EQ(mouse.link.MemReady(), c.mem_ready);
    EXPECT_EQ(mouse.link.ChipType(), c.chip_type) << int(c.chip_code);
  }
}

TEST(DeviceLink, BlockTransfersShowTheBusyWindowPerChunk) {
  struct CountingBusy : BusyIndicator {
    void ShowBusy() override { ++shown; }
    int shown = 0;
  } busy;
  EmulatedMouse mouse;
  mouse.link.SetBusyIndicator(&busy);
  std::vector<uint8_t> bytes(2048, 0);
  ASSERT_TRUE(mouse.link.DevReadBlock(0, 2048, bytes, false));
  EXPECT_EQ(busy.shown, 0);
  ASSERT_TRUE(mouse.link.DevReadBlock(0, 2048, bytes, true));
  EXPECT_EQ(busy.shown, 342);
  ASSERT_TRUE(mouse.link.DevWriteBlock(0, 2048, bytes));
  EXPECT_EQ(busy.shown, 684);
}

}  // namespace
}  // namespace orvane::device
