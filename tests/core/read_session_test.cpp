#include <gtest/gtest.h>

#include <functional>

#include "core/config/section_checks.h"
#include "core/device/hid_discovery.h"
#include "core/session_fixture.h"

namespace orvane::device {
namespace {

using testing::SessionFixture;

TEST(ReadSession, ReadsTheMouseIntoDataBuf) {
  SessionFixture f;
  EXPECT_FALSE(f.sessions.HoldsMouseImage());
  EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  EXPECT_EQ(f.config.DevImage, SessionFixture::MouseImage());
  EXPECT_EQ(f.config.data.ParameterA[6], 4);
  EXPECT_TRUE(f.sessions.HoldsMouseImage());
  EXPECT_TRUE(f.ui.messages.empty());
  EXPECT_TRUE(f.ui.Restored());
  EXPECT_EQ(f.Requests(CmdClose), 1u);
  EXPECT_FALSE(f.mouse.firmware->SessionOpen());
}

// What each kind of mouse leads to. DataBuf keeps the no-device default
// whenever the read does not complete.
TEST(ReadSession, OutcomesByMouse) {
  struct Case {
    const char* name;
    std::function<void(sim::MouseFirmware&)> setup;
    SessionOutcome outcome;
    std::vector<Message> messages;
    bool closed;        // CmdClose sent
    bool handle_valid;  // afterwards
  };
  const auto ids = [](uint8_t maker, uint8_t product) {
    return [=](sim::MouseFirmware& m) {
      m.memory()[0x36] = maker;
      m.memory()[0x37] = product;
    };
  };
  const auto lost_reply_after = [](int64_t requests) {
    return [=](sim::MouseFirmware& m) {
      m.faults().fail_fetches_after_requests = requests;
      m.faults().failed_fetches = 1;
    };
  };
  const std::vector<Case> cases = {
      {"identifiers 0/0: the reserve pair", ids(0, 0), SessionOutcome::kDone, {}, true, true},
      {"identifiers 12/34",
       ids(12, 34),
       SessionOutcome::kIdentityMismatch,
       {Message::kStr107},
       true,
       true},
      {"identifiers 255/0",
       ids(255, 0),
       SessionOutcome::kIdentityMismatch,
       {Message::kStr107},
       true,
       true},
      {"memory not ready",
       [](auto& m) { m.identity().mem_ready = false; },
       SessionOutcome::kMemoryNotReady,
       {Message::kStr020},
       true,
       false},
      {"signature 0x55",
       [](auto& m) { m.identity().signature = 0x55; },
       SessionOutcome::kSilentStop,
       {},
       false,
       true},
      {"open not acknowledged",
       [](auto& m) { m.faults().no_answer[CmdOpen].times = -1; },
       SessionOutcome::kSilentStop,
       {},
       false,
       true},
      {"status not acknowledged",
       [](auto& m) { m.faults().no_answer[CmdStatus].times = -1; },
       SessionOutcome::kSilentStop,
       {},
       false,
       true},
      {"read start not acknowledged",
       [](auto& m) { m.faults().no_answer[CmdReadStart].times = -1; },
       SessionOutcome::kReadFailed,
       {Message::kStr109},
       true,
       true},
      {"every 50th chunk lost",
       [](auto& m) { m.faults().lose_every_nth_read_chunk = 50; },
       SessionOutcome::kReadFailed,
       {Message::kStr109},
       true,
       true},
      // Open, status, the identifiers' start and chunk: its reply is lost.
      {"the identifiers' reply lost",
       lost_reply_after(4),
       SessionOutcome::kReadFailed,
       {Message::kStr109},
       true,
       true},
      {"a reply lost in the middle",
       lost_reply_after(200),
       SessionOutcome::kReadFailed,
       {Message::kStr109},
       true,
       true},
      {"unplugged in the middle",
       [](auto& m) { m.faults().unplug_after_requests = 200; },
       SessionOutcome::kReadFailed,
       {Message::kStr109},
       false,
       false},
  };
  for (const Case& c : cases) {
    SessionFixture f;
    c.setup(*f.mouse.firmware);
    const config::DataBuf before = f.config.data;
    const config::Image image_before = f.config.DevImage;
    EXPECT_EQ(f.sessions.ReadDevInfo(), c.outcome) << c.name;
    EXPECT_EQ(f.ui.messages, c.messages) << c.name;
    EXPECT_EQ(f.Requests(CmdClose), c.closed ? 1u : 0u) << c.name;
    EXPECT_EQ(f.mouse.link.HandleValid(), c.handle_valid) << c.name;
    EXPECT_TRUE(f.ui.Restored()) << c.name;
    EXPECT_EQ(f.ui.shown_while_busy, 0) << c.name;
    if (c.outcome != SessionOutcome::kDone) {
      EXPECT_EQ(f.config.data, before) << c.name;
      EXPECT_EQ(f.config.DevImage, image_before) << c.name;
      EXPECT_FALSE(f.sessions.HoldsMouseImage()) << c.name;
    }
  }
}

// A read that did not complete is never written back: Apply refuses while
// the pages hold only the default, and after a good read it writes that
// read, not the 0xFF bytes of a later failed one.
TEST(ReadSession, AFailedReadIsNeverWrittenBack) {
  SessionFixture f;
  f.mouse.firmware->faults().lose_every_nth_read_chunk = 50;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kReadFailed);
  EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kNoMouseImage);
  EXPECT_EQ(f.Requests(CmdWriteStart), 0u);

  f.mouse.firmware->faults().lose_every_nth_read_chunk = 0;
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  f.mouse.firmware->faults().lose_read_chunks_at = {200};  // inside macro slots 5 and 6
  ASSERT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kReadFailed);
  f.mouse.firmware->faults().lose_read_chunks_at.clear();
  EXPECT_EQ(f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  EXPECT_EQ(f.mouse.firmware->memory(), SessionFixture::MouseImage());
}

// An unplugged mouse is not retried chunk after chunk: the session ends
// with "Fail" right after the call that found it gone.
TEST(ReadSession, AnUnpluggedMouseFailsAtOnce) {
  SessionFixture f;
  f.mouse.firmware->faults().unplug_after_requests = 100;
  EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kReadFailed);
  // 100 requests at 5-10 ms each, and nothing after the unplug.
  EXPECT_LT(f.mouse.pacer.NowMs(), 100 * 10 + 20);
  EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr109});
  EXPECT_FALSE(f.mouse.link.HandleValid());
}

// Two programs on one mouse: the second waits for the first's session, and
// says the mouse is busy when it does not end in time. Nothing reaches the
// mouse from the second.
TEST(ReadSession, ASecondProgramWaitsThenSaysBusy) {
  SessionFixture f;
  DeviceLink other(f.mouse.pacer);
  uint32_t version = kWantedVersion;
  ASSERT_TRUE(OpenMouse(f.mouse.bus, other, kMouseVendorId, kMouseProductId, version));
  ASSERT_TRUE(other.LockExclusive(0));
  EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kBusy);
  EXPECT_EQ(f.ui.problems, std::vector<std::string>{kMouseBusyText});
  EXPECT_GE(f.mouse.pacer.NowMs(), kBusyWaitMs);
  EXPECT_LT(f.mouse.pacer.NowMs(), kBusyWaitMs + 100);
  EXPECT_EQ(f.mouse.firmware->Requests(), 0u);

  // Released in the middle of the wait: the session goes ahead.
  f.mouse.pacer.At(f.mouse.pacer.NowMs() + 1000, [&] { other.UnlockExclusive(); });
  EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  EXPECT_TRUE(other.LockExclusive(0)) << "the session gives the mouse back";
}

TEST(ReadSession, ReadButtonWithoutAMouseShowsStr020) {
  SessionFixture f;
  f.mouse.link.Invalidate();
  EXPECT_EQ(f.sessions.Btn_Read_0Click(), SessionOutcome::kNoDevice);
  EXPECT_EQ(f.ui.messages, std::vector<Message>{Message::kStr020});
}

}  // namespace
}  // namespace orvane::device
