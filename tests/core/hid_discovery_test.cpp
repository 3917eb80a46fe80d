#include "core/device/hid_discovery.h"

#include <gtest/gtest.h>

#include "platform/common/virtual_pacer.h"
#include "sim/sim_hid_bus.h"

namespace orvane::device {
namespace {

const platform::HidAttributes kKeyboard{0x046D, 0xC31C, 0x0110};

TEST(HidDiscovery, CountsOnlyInterfacesThatOpen) {
  sim::SimHidBus bus;
  EXPECT_EQ(CountHidInterfaces(bus), 0);
  bus.PlugDevice("keyboard", kKeyboard, 0);
  bus.PlugDevice("locked", kKeyboard, 0, /*openable=*/false);
  bus.PlugMouse("mouse", std::make_shared<sim::MouseFirmware>());
  EXPECT_EQ(bus.Enumerate().size(), 5u);
  EXPECT_EQ(CountHidInterfaces(bus), 4);  // keyboard + the mouse's three collections
}

// Which collections are taken for the mouse.
TEST(HidDiscovery, OpensOnlyTheMatchingConfigurationCollection) {
  struct Case {
    const char* name;
    sim::MouseHardware hardware;
    bool opened;
  };
  const std::vector<Case> cases = {
      {"the mouse", {}, true},
      {"version 0x0103", {0x2E71, 0x0D45, 0x0103, 8}, false},
      {"version 0x0105", {0x2E71, 0x0D45, 0x0105, 8}, false},
      {"7-byte feature reports", {0x2E71, 0x0D45, 0x0104, 7}, false},
      {"9-byte feature reports", {0x2E71, 0x0D45, 0x0104, 9}, false},
      {"another product", {0x2E71, 0x0D46, 0x0104, 8}, false},
      {"another vendor", {0x2E72, 0x0D45, 0x0104, 8}, false},
  };
  for (const Case& c : cases) {
    platform::VirtualPacer pacer;
    sim::SimHidBus bus;
    bus.PlugDevice("keyboard", kKeyboard, 8);
    const std::string config =
        bus.PlugMouse("mouse", std::make_shared<sim::MouseFirmware>(), c.hardware);
    DeviceLink link(pacer);
    uint32_t version = kWantedVersion;
    EXPECT_EQ(OpenMouse(bus, link, 0x2E71, 0x0D45, version), c.opened) << c.name;
    EXPECT_EQ(link.HandleValid(), c.opened) << c.name;
    if (c.opened) {
      EXPECT_EQ(link.DevPath(), config);
      EXPECT_EQ(link.FeatureLen(), 8);
      EXPECT_EQ(link.DevVID(), 0x2E71u);
      EXPECT_EQ(link.DevPID(), 0x0D45u);
      EXPECT_EQ(version, kWantedVersion);
    }
  }
}

TEST(HidDiscovery, TheLastMatchInEnumerationOrderWins) {
  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  auto first = std::make_shared<sim::MouseFirmware>();
  auto second = std::make_shared<sim::MouseFirmware>();
  bus.PlugMouse("first", first);
  const std::string second_path = bus.PlugMouse("second", second);
  DeviceLink link(pacer);
  uint32_t version = kWantedVersion;
  ASSERT_TRUE(OpenMouse(bus, link, 0x2E71, 0x0D45, version));
  EXPECT_EQ(link.DevPath(), second_path);
  ASSERT_TRUE(link.DevCmd(CmdStatus));
  EXPECT_EQ(second->RequestsOf(CmdStatus), 1u);
  EXPECT_EQ(first->RequestsOf(CmdStatus), 0u);
}

}  // namespace
}  // namespace orvane::device
