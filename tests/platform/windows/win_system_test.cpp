// The rest of the Windows platform layer against the system wine gives: the
// program's folders, the pacer's clock, finding the running program, and
// the HID and driver backends on a machine without the mouse.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "core/device/device_link.h"
#include "core/device/hid_discovery.h"
#include "platform/driver_backend.h"
#include "platform/hid_backend.h"
#include "platform/program_folders.h"
#include "platform/real_pacer.h"
#include "platform/single_instance.h"

namespace orvane::platform {
namespace {

TEST(WinFolders, TheProgramsFolderHoldsTheProgramAndTheDataFolderExists) {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(std::string(module).rfind(folder, 0), 0u) << module << " vs " << folder;
  EXPECT_EQ(std::string(module).find('\\', folder.size()), std::string::npos);

  const std::string data = UserDataFolder();
  ASSERT_FALSE(data.empty());
  EXPECT_NE(data.find("Orvane Gaming Mouse"), std::string::npos) << data;
  const DWORD attributes = GetFileAttributesA(data.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(WinPacer, SleepsAtLeastTheTimeAskedAndTicksInMilliseconds) {
  RealPacer pacer;
  using Clock = std::chrono::steady_clock;
  for (const int ms : {1, 5, 10, 25}) {
    const auto start = Clock::now();
    const uint32_t ticks = pacer.TickCount();
    pacer.Sleep(ms);
    const auto slept = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    EXPECT_GE(slept, ms) << ms;
    EXPECT_LT(slept, ms + 40.0) << ms;  // a loaded machine, not a second
    EXPECT_LE(pacer.TickCount() - ticks, static_cast<uint32_t>(ms) + 100u);
  }
  int pumped = 0;
  RealPacer pumping([&] { ++pumped; });
  pumping.ProcessMessages();
  EXPECT_EQ(pumped, 1);
}

TEST(WinSingleInstance, FindsAWindowByItsCaptionOnly) {
  const char* caption = "Orvane Gaming Mouse v1.0 (single instance test)";
  EXPECT_FALSE(RaiseRunningInstance(caption));
  const HWND window = CreateWindowExA(0, "STATIC", caption, 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(RaiseRunningInstance(caption));
  EXPECT_FALSE(RaiseRunningInstance("Orvane Gaming Mouse v1.0 (another)"));
  DestroyWindow(window);
  EXPECT_FALSE(RaiseRunningInstance(caption));
}

// Wine's HID stack lists its own virtual devices and no mouse: the walk
// reads each one's path, attributes and feature report length, counts
// those that open, and finds no Orvane Gaming Mouse. A path that is not
// there is refused rather than crashing anything.
TEST(WinHid, TheSystemsInterfacesAreWalkedAndNoMouseIsFound) {
  EXPECT_EQ(SystemHidNotice(), "");
  auto backend = MakeSystemHidBackend();
  int opened = 0;
  for (const std::string& path : backend->Enumerate()) {
    EXPECT_EQ(path.rfind("\\\\?\\hid#", 0), 0u) << path;
    auto connection = backend->Open(path);
    if (!connection) continue;
    ++opened;
    const auto attributes = connection->Attributes();
    ASSERT_TRUE(attributes.has_value()) << path;
    EXPECT_NE(attributes->vendor_id, 0x2E71) << path;
    EXPECT_GE(connection->FeatureReportLength(), 0) << path;
    EXPECT_FALSE(connection->Gone());
  }
  EXPECT_EQ(device::CountHidInterfaces(*backend), opened);
  RealPacer pacer;
  device::DeviceLink link(pacer);
  uint32_t version = 0x0104;
  EXPECT_FALSE(device::OpenMouse(*backend, link, 0x2E71, 0x0D45, version));

  EXPECT_EQ(backend->Open("\\\\?\\hid#vid_2e71&pid_0d45#0#{4d1e55b2-f16f-11cf-88cb-001111000030}"),
            nullptr);
  EXPECT_EQ(backend->Open(""), nullptr);
}

TEST(WinDriver, NoDriverMeansNoInterfacesAndNoDevice) {
  auto backend = MakeSystemDriverBackend();
  EXPECT_TRUE(backend->InterfacePaths().empty());
  EXPECT_EQ(backend->Open("\\\\?\\root#orvane#0000#{5b1e7c2a-9d04-4f3b-a6c1-3e8f20d7b914}"),
            nullptr);
}

}  // namespace
}  // namespace orvane::platform
