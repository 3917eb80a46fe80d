// The driver-mode steps against the emulated mouse and driver store: the
// mouse's answers, the device found by the link number, the store read and
// written, and the live state sent.
#include "core/device/driver_session.h"

#include <gtest/gtest.h>

#include "core/config/default_images.h"
#include "core/config/parameter_fields.h"
#include "core/config/section_checks.h"
#include "core/emulated_mouse.h"
#include "sim/driver_store.h"

namespace orvane::device {
namespace {

using Bytes = std::vector<uint8_t>;

// A mouse serving the driver (link 0x1A2B) and the driver's store holding
// default image 1's sections at the store's addresses.
struct DriverFixture {
  DriverFixture() {
    const config::Image image = config::DefaultImage(1);
    std::copy_n(image.begin(), 240, store->bytes().begin());
    std::copy_n(image.begin() + 0xF0, 11, store->bytes().begin() + 242);
    store->SetState({0x81, 0x02, 0x55, 0x04});
    bus.Plug(sim::DriverDevicePath(0x1A2B), store);
    config.DevImage = image;
    config::DistributeImage(config);
  }
  void SetButton(int profile, int button, config::ActionCode code) {
    std::copy(code.begin(), code.end(),
              store->bytes().begin() + 64 + 27 * (profile - 1) + 3 * (button - 1));
    config::SealSection(std::span(store->bytes()).subspan(64, config::kProfileKeys.length));
  }

  testing::EmulatedMouse mouse;
  std::shared_ptr<sim::DriverStore> store = std::make_shared<sim::DriverStore>();
  sim::SimDriverBus bus;
  config::Configuration config;
  DriverSession session{mouse.link, bus};
};

TEST(DriverSession, TheMouseSaysWhetherItServesTheDriver) {
  struct Case {
    uint8_t open_reply;
    bool driver_bit;
    uint8_t led_bits;
    DriverIdentify answer;
    const char* led_type;
  };
  for (const Case& c : {Case{0xA6, true, 0xC0, DriverIdentify::kServesTheDriver, "MCULED"},
                        Case{0xA6, true, 0x80, DriverIdentify::kServesTheDriver, "RBLED"},
                        Case{0xA6, true, 0x40, DriverIdentify::kServesTheDriver, "BreLED"},
                        Case{0xA6, true, 0x00, DriverIdentify::kServesTheDriver, "SyncLED"},
                        Case{0xA5, true, 0xC0, DriverIdentify::kNotThisMouse, ""},
                        Case{0xA6, false, 0xC0, DriverIdentify::kNotThisMouse, ""}}) {
    DriverFixture f;
    f.mouse.firmware->identity().open_reply = c.open_reply;
    f.mouse.firmware->identity().driver_capable = c.driver_bit;
    f.mouse.firmware->identity().led_type_bits = c.led_bits;
    std::string led_type;
    EXPECT_EQ(f.session.Identify(led_type), c.answer) << int{c.open_reply} << c.driver_bit;
    EXPECT_EQ(led_type, c.led_type);
  }
}

TEST(DriverSession, TheDeviceOfTheMousesLinkNumberIsOpened) {
  DriverFixture f;
  f.bus.Unplug(sim::DriverDevicePath(0x1A2B));
  f.bus.Plug(sim::DriverDevicePath(0x1A2C), f.store);
  EXPECT_FALSE(f.session.OpenDriverDevice());
  f.bus.Plug(sim::DriverDevicePath(0x1A2B), f.store);
  EXPECT_TRUE(f.session.OpenDriverDevice());
  f.session.Close();
  EXPECT_FALSE(f.session.DriverOpen());
}

TEST(DriverSession, TheStoreIsReadWithTheBlocksTheButtonsPointInto) {
  struct Case {
    config::ActionCode reference;
    size_t blocks;
  };
  for (const Case& c :
       {Case{{0x01, 0x02, 0x00}, 0}, Case{{0x06, 0x00, 0x20}, 1}, Case{{0x0E, 0x08, 0x20}, 2}}) {
    DriverFixture f;
    f.SetButton(2, 5, c.reference);
    f.SetButton(1, 4, {0x0E, 0x00, 0xF0});  // the rapid-fire key, continuous
    f.store->bytes()[256 + 2048] = 0x77;
    ASSERT_TRUE(f.session.OpenDriverDevice());
    const auto image = f.session.ReadStore(f.config.data);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->macros.size(), c.blocks);
    if (c.blocks == 2) {
      EXPECT_EQ(image->macros[1][0], 0x77);
    }
    EXPECT_EQ(image->state, (DrvState{0x81, 0x02, 0x55, 0x04}));
    EXPECT_EQ(image->data.ProfileKeys[9], 0x06) << "shown as the plain rapid-fire key";
    EXPECT_EQ(image->data.FireKey, f.config.data.FireKey);
  }
}

TEST(DriverSession, TheStoreIsWrittenAfterTheStateIsSent) {
  DriverFixture f;
  ASSERT_TRUE(f.session.OpenDriverDevice());
  config::DataBuf data = f.config.data;
  data.ProfileKeys[9] = 0x06;
  data.ProfileKeys[10] = 0x00;
  data.ProfileKeys[11] = 0xF0;
  config::SetFireBurst(data, {true, 3, 40});
  data.ParameterA[6] = 9;  // a DPI level value
  driver_macros::DriverMacros macros(2);
  macros[1][5] = 0x42;
  ASSERT_TRUE(f.session.WriteStore(data, {0x03, 0x0A, 0x00, 0x06}, macros));
  EXPECT_EQ(f.mouse.firmware->State(), (std::array<uint8_t, 4>{0x03, 0x0A, 0x00, 0x06}));
  const Bytes& store = f.store->bytes();
  EXPECT_EQ(store[64 + 9], 0x0E) << "continuous fire goes out as 0E00F0";
  EXPECT_EQ(store[242 + 2], 255);
  EXPECT_EQ(store[242 + 8], 40);
  EXPECT_EQ(store[242 + 10], 0) << "FireKey without its checksum";
  EXPECT_EQ(store[256 + 2048 + 5], 0x42);
  const auto back = f.session.ReadStore(f.config.data);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->data.ParameterA, [&] {
    config::DataBuf sealed = data;
    config::SealSection(sealed.ParameterA);
    return sealed.ParameterA;
  }());
}

TEST(DriverSession, AFileLoadSendsTheStateWithItsOwnOpenReply) {
  DriverFixture f;
  EXPECT_FALSE(f.session.SendState({1, 2, 3, 4}, true)) << "0xA6 is the read's reply";
  f.mouse.firmware->identity().open_reply = 0xA5;
  EXPECT_TRUE(f.session.SendState({1, 2, 3, 4}, true));
  EXPECT_EQ(f.mouse.firmware->State(), (std::array<uint8_t, 4>{1, 2, 3, 0}));
}

}  // namespace
}  // namespace orvane::device
