#include "core/device/device_poll.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/common/virtual_pacer.h"
#include "sim/sim_hid_bus.h"

namespace orvane::device {
namespace {

const platform::HidAttributes kKeyboard{0x046D, 0xC31C, 0x0110};

struct RecordingListener : PollListener {
  void EnterRemovalState() override {
    ++removals;
    if (on_event) on_event();
  }
  void MouseOpened() override {
    ++opens;
    if (on_event) on_event();
  }
  int removals = 0;
  int opens = 0;
  std::function<void()> on_event;
};

// Shows the bus through a script of interface counts: the n-th enumeration
// lists only the first script[n] interfaces, as when devices flicker while
// they settle. Past the script's end everything is listed.
class ScriptedBackend : public platform::HidBackend {
 public:
  ScriptedBackend(platform::HidBackend& bus, std::vector<size_t> script)
      : bus_(bus), script_(std::move(script)) {}
  std::vector<std::string> Enumerate() override {
    auto paths = bus_.Enumerate();
    if (next_ < script_.size()) paths.resize(std::min(paths.size(), script_[next_++]));
    return paths;
  }
  std::unique_ptr<platform::HidConnection> Open(const std::string& path) override {
    return bus_.Open(path);
  }

 private:
  platform::HidBackend& bus_;
  std::vector<size_t> script_;
  size_t next_ = 0;
};

struct PollFixture {
  explicit PollFixture(platform::HidBackend* backend = nullptr)
      : poll(backend ? *backend : bus, link, pacer, listener) {}

  PollOutcome Tick() { return poll.DevTimerTimer(); }

  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  std::shared_ptr<sim::MouseFirmware> firmware = std::make_shared<sim::MouseFirmware>();
  DeviceLink link{pacer};
  RecordingListener listener;
  DevicePoll poll;
};

TEST(DevicePoll, FirstTickFindsAnAttachedMouseAfterTheSettleWait) {
  PollFixture f;
  const std::string config = f.bus.PlugMouse("mouse", f.firmware);
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  EXPECT_EQ(f.listener.opens, 1);
  EXPECT_EQ(f.listener.removals, 0);
  EXPECT_EQ(f.link.DevPath(), config);
  EXPECT_EQ(f.link.DevVID(), 0x2E71u);
  EXPECT_EQ(f.poll.HidCount(), 3);
  // 21 sleeps of 100 ms, each followed by a message run.
  EXPECT_EQ(f.pacer.SleptMs(), 2100);
  EXPECT_EQ(f.pacer.SleepCalls(), 21);
  EXPECT_EQ(f.pacer.MessageRuns(), 21);
  EXPECT_FALSE(f.poll.PollBusy());
}

TEST(DevicePoll, NoMouseShowsTheRemovalStateOncePerCountChange) {
  PollFixture f;
  f.bus.PlugDevice("keyboard", kKeyboard, 0);
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseNotFound);
  EXPECT_EQ(f.Tick(), PollOutcome::kNoChange);
  EXPECT_EQ(f.Tick(), PollOutcome::kNoChange);
  EXPECT_EQ(f.listener.removals, 1);
  EXPECT_FALSE(f.link.HandleValid());
  f.bus.PlugDevice("headset", kKeyboard, 0);
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseNotFound);
  EXPECT_EQ(f.listener.removals, 2);
  EXPECT_EQ(f.poll.HidCount(), 2);
}

// On a machine with no HID device at all the count never changes from 0:
// the first poll still looks for the mouse and says it is missing, once.
TEST(DevicePoll, NoInterfacesAtAllStillSaysTheMouseIsMissingOnce) {
  PollFixture f;
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseNotFound);
  EXPECT_EQ(f.Tick(), PollOutcome::kNoChange);
  EXPECT_EQ(f.listener.removals, 1);
  EXPECT_EQ(f.listener.opens, 0);
}

TEST(DevicePoll, WrongVersionIsNotOpened) {
  PollFixture f;
  f.bus.PlugMouse("mouse", f.firmware, {0x2E71, 0x0D45, 0x0103, 8});
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseNotFound);
  EXPECT_EQ(f.listener.removals, 1);
  EXPECT_EQ(f.listener.opens, 0);
}

// Five passes of two counts each; act only on a changed count seen stable in
// at least two passes, taking the first count of the last pass.
TEST(DevicePoll, UnstableCountsChangeNothing) {
  struct Case {
    const char* name;
    std::vector<size_t> counts;  // ten enumerations of the first tick
    PollOutcome outcome;
    int hid_count;
  };
  const std::vector<Case> cases = {
      {"all unstable", {3, 1, 3, 1, 3, 1, 3, 1, 3, 1}, PollOutcome::kNoChange, 0},
      {"one stable pass", {3, 3, 3, 1, 3, 1, 3, 1, 3, 1}, PollOutcome::kNoChange, 0},
      {"two stable passes", {3, 3, 3, 1, 3, 3, 3, 1, 3, 1}, PollOutcome::kMouseOpened, 3},
      {"last pass decides the count", {1, 1, 1, 1, 1, 1, 1, 1, 3, 1}, PollOutcome::kMouseOpened, 3},
  };
  for (const Case& c : cases) {
    sim::SimHidBus bus;
    bus.PlugMouse("mouse", std::make_shared<sim::MouseFirmware>());
    ScriptedBackend scripted(bus, c.counts);
    PollFixture f(&scripted);
    EXPECT_EQ(f.Tick(), c.outcome) << c.name;
    EXPECT_EQ(f.poll.HidCount(), c.hid_count) << c.name;
  }
}

TEST(DevicePoll, UnpluggingTheMouseEntersTheRemovalState) {
  PollFixture f;
  f.bus.PlugMouse("mouse", f.firmware);
  ASSERT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  f.bus.Unplug("mouse");
  EXPECT_EQ(f.Tick(), PollOutcome::kRemoved);
  EXPECT_EQ(f.listener.removals, 1);
  EXPECT_FALSE(f.link.HandleValid());
  EXPECT_EQ(f.link.DevVID(), 0u);
  EXPECT_EQ(f.link.DevPID(), 0u);
  EXPECT_EQ(f.poll.HidCount(), 0);
  EXPECT_EQ(f.Tick(), PollOutcome::kNoChange);
  EXPECT_EQ(f.listener.removals, 1);
}

TEST(DevicePoll, AMouseThatUnplugsItselfIsRemoved) {
  PollFixture f;
  f.bus.PlugDevice("keyboard", kKeyboard, 0);
  f.bus.PlugMouse("mouse", f.firmware);
  ASSERT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  f.firmware->Unplug();
  EXPECT_EQ(f.Tick(), PollOutcome::kRemoved);
  EXPECT_EQ(f.poll.HidCount(), 1);
}

// Another HID device going away leaves the mouse connected.
TEST(DevicePoll, UnpluggingAnotherDeviceKeepsTheMouse) {
  PollFixture f;
  f.bus.PlugDevice("keyboard", kKeyboard, 0);
  const std::string config = f.bus.PlugMouse("mouse", f.firmware);
  ASSERT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  f.bus.Unplug("keyboard");
  EXPECT_EQ(f.Tick(), PollOutcome::kStillConnected);
  EXPECT_EQ(f.listener.removals, 0);
  EXPECT_EQ(f.poll.HidCount(), 3);
  EXPECT_TRUE(f.link.HandleValid());
  EXPECT_EQ(f.link.DevPath(), config);
  EXPECT_TRUE(f.link.DevCmd(CmdStatus));
  f.bus.Unplug("mouse");
  EXPECT_EQ(f.Tick(), PollOutcome::kRemoved);
  EXPECT_EQ(f.listener.removals, 1);
}

TEST(DevicePoll, PluggingAnotherDeviceReopensAndRereadsTheMouse) {
  PollFixture f;
  f.bus.PlugMouse("mouse", f.firmware);
  ASSERT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  f.bus.PlugDevice("keyboard", kKeyboard, 0);
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  EXPECT_EQ(f.listener.opens, 2);
  EXPECT_EQ(f.poll.HidCount(), 4);
}

// Timer ticks that arrive while a poll waits or reports return at once.
TEST(DevicePoll, NestedTicksReturnWhileAPollRuns) {
  PollFixture f;
  f.bus.PlugMouse("mouse", f.firmware);
  std::vector<PollOutcome> nested;
  f.pacer.At(1000, [&] { nested.push_back(f.Tick()); });  // inside the settle wait
  f.listener.on_event = [&] { nested.push_back(f.Tick()); };
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  EXPECT_EQ(nested, (std::vector<PollOutcome>{PollOutcome::kBusy, PollOutcome::kBusy}));
  EXPECT_EQ(f.listener.opens, 1);
}

// An entry of DevTable with a zero member is skipped without a settle wait.
TEST(DevicePoll, SkipsDeviceTableEntriesWithAZeroMember) {
  PollFixture f;
  f.bus.PlugMouse("mouse", f.firmware, {0x1234, 0x0D45, 0x0104, 8});
  f.poll.DevTable()[0] = {0x1234, 0};
  f.poll.DevTable()[1] = {0x1234, 0x0D45};
  EXPECT_EQ(f.Tick(), PollOutcome::kMouseOpened);
  EXPECT_EQ(f.pacer.SleptMs(), 2100);
  EXPECT_EQ(f.link.DevVID(), 0x1234u);
}

}  // namespace
}  // namespace orvane::device
