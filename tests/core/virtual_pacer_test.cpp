#include "platform/common/virtual_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane::platform {
namespace {

TEST(VirtualPacer, EventsRunAtTheirMomentWhileTimePasses) {
  VirtualPacer pacer;
  std::vector<std::pair<int, int64_t>> ran;
  pacer.At(250, [&] { ran.emplace_back(2, pacer.NowMs()); });
  pacer.At(100, [&] {
    ran.emplace_back(1, pacer.NowMs());
    pacer.At(120, [&] { ran.emplace_back(3, pacer.NowMs()); });
  });
  pacer.Sleep(200);
  EXPECT_EQ(ran, (std::vector<std::pair<int, int64_t>>{{1, 100}, {3, 120}}));
  EXPECT_EQ(pacer.NowMs(), 200);
  pacer.ProcessMessages();  // nothing due yet
  EXPECT_EQ(ran.size(), 2u);
  pacer.AdvanceTo(300);
  EXPECT_EQ(ran.back(), (std::pair<int, int64_t>{2, 250}));
  EXPECT_EQ(pacer.SleptMs(), 200);  // the test's own waiting is not a protocol sleep
  EXPECT_EQ(pacer.SleepCalls(), 1);
  EXPECT_EQ(pacer.TickCount(), 300u);
}

}  // namespace
}  // namespace orvane::platform
