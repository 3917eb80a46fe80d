// The vendor driver's device as the emulator publishes it, reached through
// the virtual driver backend: found by the link number in its path, whole
// stores moved in one request each, requests outside the store refused.
#include "platform/linux/virtual_driver_backend.h"

#include <gtest/gtest.h>

#include "core/device/driver_channel.h"
#include "published_mouse.h"

namespace orvane::platform {
namespace {

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<uint8_t>(i * 7 + i / 256);
  return bytes;
}

TEST(VirtualDriver, FoundByItsLinkNumberAndMovingWholeStores) {
  const std::string folder = testing::PrivateDeviceFolder("driver");
  auto store = std::make_shared<sim::DriverStore>();
  testing::PublishedMouse mouse(folder, "mouse", {}, store);
  ASSERT_TRUE(mouse.published());
  VirtualDriverBackend backend(folder);
  const auto paths = backend.InterfacePaths();
  ASSERT_EQ(paths, std::vector<std::string>{sim::DriverDevicePath(0x1A2B)});
  EXPECT_EQ(device::OpenDriver(backend, 0x1A2C), nullptr);
  const auto driver = device::OpenDriver(backend, 0x1A2B);
  ASSERT_NE(driver, nullptr);

  const std::vector<uint8_t> whole = Pattern(device::kDrvLoadBytes);
  ASSERT_TRUE(device::DrvWrite(*driver, 0, whole));
  const auto blocks = device::DrvRead(*driver, device::kDrvMacroBlocks, 32 * 2048);
  ASSERT_TRUE(blocks);
  EXPECT_TRUE(std::equal(blocks->begin(), blocks->end(), whole.begin() + 256));
  const auto state = device::DrvGetState(*driver);
  ASSERT_TRUE(state);
  EXPECT_TRUE(std::equal(state->begin(), state->end(), whole.begin() + 160));
  // Past the end of the store: refused, nothing changed.
  EXPECT_FALSE(device::DrvRead(*driver, device::kDrvLoadBytes - 4, 8));
  EXPECT_FALSE(device::DrvWrite(*driver, device::kDrvLoadBytes - 4, std::vector<uint8_t>(8, 0)));

  mouse.Stop();
  EXPECT_FALSE(device::DrvGetState(*driver)) << "an unplugged driver answers nothing";
  EXPECT_TRUE(backend.InterfacePaths().empty());
}

}  // namespace
}  // namespace orvane::platform
