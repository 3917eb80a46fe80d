// The driver channel against the emulated driver store: finding the device
// by its link number, and the three requests at the store's addresses.
#include "core/device/driver_channel.h"

#include <gtest/gtest.h>

#include "sim/driver_store.h"

namespace orvane::device {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(DriverChannel, TheLinkNumberIsReadFromCharacters55To58) {
  const std::string path = sim::DriverDevicePath(0x1A2B);
  ASSERT_EQ(path.substr(54, 4), "1A2B");
  std::string lower = path;
  lower.replace(54, 4, "1a2b");
  std::string other = path;
  other.replace(56, 1, "G");
  struct Case {
    std::string path;
    std::optional<uint16_t> link;
  };
  for (const Case& c : {Case{path, 0x1A2B}, Case{lower, 0x1A2B}, Case{other, std::nullopt},
                        Case{path.substr(0, 57), std::nullopt}, Case{"", std::nullopt}}) {
    EXPECT_EQ(LinkNumberOfPath(c.path), c.link) << c.path;
  }
}

TEST(DriverChannel, OnlyTheDeviceOfTheLinkNumberIsOpened) {
  sim::SimDriverBus bus;
  auto ours = std::make_shared<sim::DriverStore>();
  auto other = std::make_shared<sim::DriverStore>();
  bus.Plug(sim::DriverDevicePath(0x1A2C), other);
  bus.Plug(sim::DriverDevicePath(0x1A2B), ours);
  bus.Plug("\\\\?\\short", other);
  EXPECT_EQ(OpenDriver(bus, 0x2B1A), nullptr);
  auto device = OpenDriver(bus, 0x1A2B);
  ASSERT_NE(device, nullptr);
  ASSERT_TRUE(DrvWrite(*device, kDrvParameterB, Bytes{1, 2, 3}));
  EXPECT_EQ(ours->bytes()[48], 1);
  EXPECT_EQ(other->requests(), 0);
}

TEST(DriverChannel, RequestsAtTheStoresAddresses) {
  sim::SimDriverBus bus;
  auto store = std::make_shared<sim::DriverStore>();
  store->SetState({0x82, 0x03, 0x77, 0x04});
  bus.Plug(sim::DriverDevicePath(7), store);
  auto device = OpenDriver(bus, 7);
  ASSERT_NE(device, nullptr);
  for (const uint32_t address : {kDrvParameterA, kDrvParameterB, kDrvProfileKeys, kDrvFireKey,
                                 kDrvMacroBlocks + 31 * kDrvMacroBlockBytes}) {
    const Bytes data = {static_cast<uint8_t>(address), 0xA5, 0x5A};
    ASSERT_TRUE(DrvWrite(*device, address, data)) << address;
    EXPECT_EQ(DrvRead(*device, address, 3), data) << address;
  }
  EXPECT_EQ(DrvGetState(*device), (DrvState{0x82, 0x03, 0x77, 0x04}));
  // A whole-store load fits; a request past the store changes nothing.
  EXPECT_TRUE(DrvWrite(*device, 0, Bytes(kDrvLoadBytes, 0x11)));
  const Bytes before = store->bytes();
  EXPECT_FALSE(DrvWrite(*device, kDrvLoadBytes - 2, Bytes{9, 9, 9}));
  EXPECT_FALSE(DrvRead(*device, kDrvLoadBytes - 2, 3).has_value());
  EXPECT_EQ(store->bytes(), before);
}

}  // namespace
}  // namespace orvane::device
