// The engineer page's own settings over an emulated mouse: each field the
// page shows goes into the mouse with Apply and comes back with Read, and
// the identifier edits keep their text honest.
#include "core/pages/engineer_page.h"

#include <gtest/gtest.h>

#include "core/config/parameter_fields.h"
#include "core/session_fixture.h"

namespace orvane::pages {
namespace {

using device::SessionOutcome;
using testing::SessionFixture;

struct Engineer {
  Engineer() {
    f.sessions.AddObserver(&page);
    EXPECT_EQ(f.sessions.ReadDevInfo(), SessionOutcome::kDone);
  }
  const config::Image& Memory() const { return f.mouse.firmware->memory(); }

  SessionFixture f;
  EngineerPage page{f.config};
};

TEST(EngineerPage, EveryFieldReachesTheMouseAndComesBack) {
  struct Case {
    const char* what;
    std::function<void(EngineerPage&)> change;
    std::function<bool(const config::Image&)> in_mouse;
    std::function<bool(const EngineerPageState&)> shown;
  };
  const Case cases[] = {
      {"sensor orientation", [](EngineerPage& p) { p.ChooseSensorOrientation(6); },
       [](const config::Image& m) { return ((m[0] >> 4) & 7) == config::OrientationCode(6); },
       [](const EngineerPageState& s) { return s.sensor_orientation == 6; }},
      {"smoothing off", [](EngineerPage& p) { p.SetSmoothing(false); },
       [](const config::Image& m) { return (m[1] & 0x20) == 0; },
       [](const EngineerPageState& s) { return !s.smoothing; }},
      {"recoil on Fn", [](EngineerPage& p) { p.SetFireTriggerFn(true); },
       [](const config::Image& m) { return (m[0] & 0x02) != 0; },
       [](const EngineerPageState& s) { return s.fire_trigger_fn; }},
      // The reserve pair (0, 0) is accepted by the read, so the mouse can be
      // read back with it; 0 is shown as "0", never as an empty edit.
      {"identifiers 0", [](EngineerPage& p) { p.TypeMakerId("0"), p.TypeProductId("0"); },
       [](const config::Image& m) { return m[0x36] == 0 && m[0x37] == 0; },
       [](const EngineerPageState& s) { return s.maker_text == "0" && s.product_text == "0"; }},
  };
  for (const Case& c : cases) {
    Engineer e;
    c.change(e.page);
    ASSERT_EQ(e.f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone) << c.what;
    EXPECT_TRUE(c.in_mouse(e.Memory())) << c.what;
    ASSERT_EQ(e.f.sessions.ReadDevInfo(), SessionOutcome::kDone) << c.what;
    EXPECT_TRUE(c.shown(e.page.State())) << c.what;
    // And once more: what was read is written back unchanged.
    const config::Image before = e.Memory();
    ASSERT_EQ(e.f.sessions.Btn_Apply_0Click(), SessionOutcome::kDone) << c.what;
    EXPECT_EQ(e.Memory(), before) << c.what;
  }
}

TEST(EngineerPage, IdentifierEditsKeepToOneByte) {
  Engineer e;
  struct Case {
    const char* typed;
    const char* shown;
  };
  for (const Case& c : {Case{"300", "255"}, Case{"", "255"}, Case{"7", "7"}, Case{"0", "0"},
                        Case{"12x", "0"}, Case{"-1", "0"}, Case{"1000", "255"}}) {
    EXPECT_EQ(e.page.TypeMakerId(c.typed), c.shown) << c.typed;
  }
  EXPECT_FALSE(e.page.ChooseSensorOrientation(8));
  EXPECT_EQ(NumberText(0), "0");
}

}  // namespace
}  // namespace orvane::pages
