// Driver mode end to end in core: the pages over the emulated mouse and the
// emulated driver store, through the same sessions and page controllers the
// window and orvanectl use.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/app/device_stack.h"
#include "core/app/page_set.h"
#include "core/config/parameter_fields.h"
#include "core/device/hid_discovery.h"
#include "core/library_fixture.h"
#include "core/session_fixture.h"
#include "sim/driver_store.h"

namespace orvane::app {
namespace {

using Bytes = std::vector<uint8_t>;
using device::SessionOutcome;
using testing::English;

constexpr uint32_t kBlocks = 256;
constexpr uint32_t kProfileKeys = 64;

OrgSettings DriverOrg() {
  OrgSettings org = ShippedOrgSettings();
  org.ap_mode = 1;
  org.path.clear();
  return org;
}

// Block k of the driver's table: its name and a first event byte of `mark`.
macro::DriverBlock NamedBlock(const std::string& name, uint8_t mark) {
  macro::DriverBlock block{};
  const macro::MacroName encoded = macro::EncodeMacroName(name);
  std::copy(encoded.begin(), encoded.end(), block.begin());
  block[34] = mark;
  return block;
}

// A mouse that serves the driver (link 0x1A2B), its driver's store holding
// default image 1's sections and a live state, and the pages of the
// driver-mode program over both.
struct DriverMode {
  DriverMode() {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const config::Image image = config::DefaultImage(1);
    std::copy_n(image.begin(), 160, store->bytes().begin());
    std::copy_n(image.begin() + 0xF0, 11, store->bytes().begin() + 242);
    store->SetState({0x82, 0x0B, 0x55, 0x05});  // level 3 smoothed, mode 3 off
    drivers.Plug(sim::DriverDevicePath(0x1A2B), store);
    bus.PlugMouse("mouse", firmware);
    uint32_t version = device::kWantedVersion;
    EXPECT_TRUE(device::OpenMouse(bus, stack.link, 0x2E71, 0x0D45, version));
    stack.sessions.InitNoDevice();
  }
  ~DriverMode() { std::filesystem::remove_all(folder); }

  config::NamingContext Naming() {
    config::NamingContext naming;
    naming.text = English;
    naming.eeprom_mode = false;
    pages.AddDriverMacroNames(naming);
    return naming;
  }
  // Button `button` of `profile` in the store, the section sealed again.
  void SetStoreButton(int profile, int button, config::ActionCode code) {
    std::copy(code.begin(), code.end(),
              store->bytes().begin() + kProfileKeys + 27 * (profile - 1) + 3 * (button - 1));
    config::SealSection(std::span(store->bytes()).subspan(kProfileKeys, 55));
  }
  void PutStoreBlock(int k, const macro::DriverBlock& block) {
    std::copy(block.begin(), block.end(), store->bytes().begin() + kBlocks + 2048 * k);
  }
  Bytes StoreAt(size_t address, size_t length) const {
    return Bytes(store->bytes().begin() + static_cast<long>(address),
                 store->bytes().begin() + static_cast<long>(address + length));
  }
  config::ActionCode Code(int profile, int button) const {
    const size_t at = 27 * static_cast<size_t>(profile - 1) + 3 * static_cast<size_t>(button - 1);
    const auto& keys = stack.configuration.data.ProfileKeys;
    return {keys[at], keys[at + 1], keys[at + 2]};
  }
  std::string Path(const char* name) const { return (folder / name).string(); }
  void WriteFile(const char* name, const Bytes& bytes) const {
    std::ofstream(Path(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  }
  Bytes ReadFile(const char* name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("orvane-driver-mode-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
  OrgSettings org = DriverOrg();
  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  std::shared_ptr<sim::MouseFirmware> firmware = std::make_shared<sim::MouseFirmware>();
  std::shared_ptr<sim::DriverStore> store = std::make_shared<sim::DriverStore>();
  sim::SimDriverBus drivers;
  testing::RecordingUi ui;
  DeviceStack stack{pacer, ui, org, folder.string() + "/", &drivers};
  PageSet pages{stack,
                org,
                English,
                [this] { return Naming(); },
                folder.string() + "/",
                folder.string() + "/"};
};

TEST(DriverMode, AReadShowsTheStoreAndTheLiveState) {
  DriverMode d;
  d.SetStoreButton(1, 4, {0x0E, 0x00, 0xF0});  // the Fire key in its continuous form
  d.SetStoreButton(1, 5, {0x06, 0x09, 0x20});  // block 1 of the table
  d.PutStoreBlock(0, NamedBlock("Alpha", 1));
  d.PutStoreBlock(1, NamedBlock("Beta", 2));
  d.firmware->identity().led_type_bits = 0x80;  // a two-colour LED

  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  EXPECT_TRUE(d.ui.Restored());
  EXPECT_EQ(d.Code(1, 4), (config::ActionCode{0x06, 0x00, 0xF0}));
  EXPECT_EQ(d.pages.buttons.State().names[0][4], "Beta");
  ASSERT_EQ(d.stack.sessions.DriverMacros().size(), 2u);
  EXPECT_EQ(d.stack.sessions.DriverMacros()[1][34], 2);
  EXPECT_EQ(d.pages.dpi.State().current, 3);
  EXPECT_EQ(d.pages.lighting.State().type, config::LedType::kRbLed);
  EXPECT_EQ(d.pages.lighting.State().rb_mode, 2);
  EXPECT_FALSE(d.pages.lighting.State().Option(pages::LightOption::kLightOn));
}

TEST(DriverMode, AMouseOrDriverThatDoesNotServeIsRefusedWithTheMessage) {
  struct Case {
    const char* what;
    bool driver_bit;
    uint16_t link;
    SessionOutcome outcome;
  };
  for (const Case& c : {Case{"no driver bit", false, 0x1A2B, SessionOutcome::kNotDriverMouse},
                        Case{"another link", true, 0x1A2C, SessionOutcome::kNoDriver}}) {
    DriverMode d;
    d.firmware->identity().driver_capable = c.driver_bit;
    d.firmware->identity().driver_link = c.link;
    EXPECT_EQ(d.stack.sessions.ReadDevInfo(), c.outcome) << c.what;
    ASSERT_EQ(d.ui.messages.size(), 1u) << c.what;
    EXPECT_EQ(d.ui.messages[0], device::Message::kStr020);
    EXPECT_FALSE(d.stack.sessions.HoldsMouseImage());
    EXPECT_EQ(d.store->writes(), 0);
  }
}

TEST(DriverMode, ApplyWritesThePagesToTheStoreAndTheLiveStateToTheMouse) {
  DriverMode d;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  ASSERT_EQ(d.pages.buttons.AssignCode(1, 3, "010400"), std::nullopt);
  d.pages.dpi.SetCurrent(2);
  d.pages.dpi.SetValue(2, 7);

  ASSERT_EQ(d.stack.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  EXPECT_EQ(d.StoreAt(kProfileKeys + 6, 3), (Bytes{0x01, 0x04, 0x00}));
  config::ParameterA a{};
  std::copy_n(d.store->bytes().begin(), a.size(), a.begin());
  EXPECT_EQ(config::GetDpiValueIndex(a, 2), 7);
  EXPECT_TRUE(config::ChecksumMatches(a));
  EXPECT_TRUE(config::ChecksumMatches(std::span(d.store->bytes()).subspan(kProfileKeys, 55)));
  // The Fire key's settings without their checksum.
  EXPECT_EQ(d.store->bytes()[240 + 2 + 10], 0);
  // Level 2 with smoothing kept, mode and light as read, the level's value.
  const std::array<uint8_t, 4> state = {0x81, 0x0B, 0x55, 7};
  EXPECT_EQ(d.firmware->State(), state);
  EXPECT_EQ(d.StoreAt(48, 2), (Bytes{0x81, 0x7E}));
}

TEST(DriverMode, LibraryMacrosGetBlocksOfTheDriversTable) {
  DriverMode d;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  ASSERT_TRUE(d.pages.macros.Load().ok);
  ASSERT_EQ(d.pages.macros.AddEntry("Alpha"), std::nullopt);
  ASSERT_EQ(d.pages.macros.AddEntry("Beta"), std::nullopt);
  ASSERT_TRUE(d.pages.macros.StoreSelected({"00", "1 LeftKey CODE:00A1"}, true).stored);

  EXPECT_EQ(d.pages.AssignLibraryMacro("Alpha", 1, 2), std::nullopt);
  EXPECT_EQ(d.pages.AssignLibraryMacro("Beta", 1, 3), std::nullopt);
  EXPECT_EQ(d.pages.AssignLibraryMacro("Alpha", 2, 4), std::nullopt);
  EXPECT_EQ(d.Code(1, 2), (config::ActionCode{0x06, 0x01, 0x20}));
  EXPECT_EQ(d.Code(1, 3), (config::ActionCode{0x0E, 0x09, 0x20}));  // released: stops
  EXPECT_EQ(d.Code(2, 4), d.Code(1, 2));
  EXPECT_EQ(d.pages.buttons.State().names[0][2], "Beta");
  // The last Left Click stays.
  EXPECT_EQ(d.pages.AssignLibraryMacro("Alpha", 1, 1), English("Str108"));
  EXPECT_EQ(d.Code(1, 1), (config::ActionCode{0x01, 0x01, 0x00}));

  ASSERT_EQ(d.stack.sessions.Btn_Apply_0Click(), SessionOutcome::kDone);
  const macro::DriverBlock beta = d.pages.macros.BlockOf(1);
  EXPECT_EQ(d.StoreAt(kBlocks + 2048, 2048), Bytes(beta.begin(), beta.end()));
  EXPECT_EQ(d.StoreAt(kProfileKeys + 3, 3), (Bytes{0x06, 0x01, 0x20}));
}

TEST(DriverMode, TheTableFollowsTheLibraryByName) {
  DriverMode d;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  ASSERT_TRUE(d.pages.macros.Load().ok);
  ASSERT_EQ(d.pages.macros.AddEntry("Alpha"), std::nullopt);
  ASSERT_EQ(d.pages.AssignLibraryMacro("Alpha", 1, 2), std::nullopt);
  // Saving the library brings the driver's copy up to date.
  ASSERT_TRUE(d.pages.macros.StoreSelected({"00", "1 LeftKey CODE:00A1"}, false).stored);
  EXPECT_EQ(d.stack.sessions.DriverMacros()[0], d.pages.macros.BlockOf(0));
  // A block found by name on assignment takes the library's contents too.
  d.stack.sessions.DriverMacros()[0] = NamedBlock("Alpha", 9);
  ASSERT_EQ(d.pages.AssignLibraryMacro("Alpha", 1, 3), std::nullopt);
  EXPECT_EQ(d.stack.sessions.DriverMacros().size(), 1u);
  EXPECT_EQ(d.stack.sessions.DriverMacros()[0], d.pages.macros.BlockOf(0));
}

TEST(DriverMode, AProfileRoundTripKeepsBlock25AndLeavesThePagesAlone) {
  DriverMode d;
  for (int k = 0; k <= 25; ++k)
    d.PutStoreBlock(k, NamedBlock("M" + std::to_string(k), static_cast<uint8_t>(k + 1)));
  d.SetStoreButton(2, 6, {0x06, 0xC9, 0x20});  // 0x0120 + 25 x 2048
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  ASSERT_EQ(d.stack.sessions.DriverMacros().size(), 26u);
  d.pages.dpi.SetCurrent(4);  // an edit not yet applied

  ASSERT_EQ(d.stack.sessions.SaveProfile(d.Path("saved")), SessionOutcome::kDone);
  EXPECT_EQ(d.pages.dpi.State().current, 4);
  const Bytes file = d.ReadFile("saved.bin");
  ASSERT_EQ(file.size(), device::kDriverProfileBytes);
  EXPECT_EQ(Bytes(file.begin() + 160, file.begin() + 164), (Bytes{0x82, 0x0B, 0x55, 0x05}));
  EXPECT_EQ(file[kBlocks + 25 * 2048 + 34], 26);

  std::fill(d.store->bytes().begin(), d.store->bytes().end(), 0);
  ASSERT_EQ(d.stack.sessions.LoadProfile(d.Path("saved.bin")), SessionOutcome::kDone);
  EXPECT_EQ(d.StoreAt(0, file.size()), file);
  ASSERT_EQ(d.stack.sessions.DriverMacros().size(), 26u);
  EXPECT_EQ(d.stack.sessions.DriverMacros()[25][34], 26);
  EXPECT_EQ(d.pages.dpi.State().current, 3);  // the file's live state
  EXPECT_TRUE(d.ui.Restored());
}

TEST(DriverMode, FilesThatAreNotWholeStoresAreRefusedAndNothingIsWritten) {
  DriverMode d;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  d.WriteFile("export.bin", Bytes(256, 0x41));
  d.WriteFile("image.bin", Bytes(2048, 0x42));
  d.WriteFile("huge.bin", Bytes(102401, 0));
  for (const char* name : {"export.bin", "image.bin", "huge.bin", "missing.bin"}) {
    d.ui.problems.clear();
    EXPECT_EQ(d.stack.sessions.LoadProfile(d.Path(name)), SessionOutcome::kFileError) << name;
    ASSERT_EQ(d.ui.problems.size(), 1u) << name;
    EXPECT_NE(d.ui.problems[0].find(name), std::string::npos) << d.ui.problems[0];
  }
  EXPECT_EQ(d.store->writes(), 0);
  // The stored configurations: the bracket is undone without the file.
  EXPECT_EQ(d.stack.sessions.LoadStoredConfiguration(2), SessionOutcome::kFileError);
  EXPECT_NE(d.ui.problems.back().find("Driver_TesselData_Cfg2.bin"), std::string::npos);
  EXPECT_TRUE(d.ui.Restored());
  EXPECT_EQ(d.stack.sessions.Btn_DefaultClick(), SessionOutcome::kFileError);
  EXPECT_NE(d.ui.problems.back().find("default_config1.bin"), std::string::npos);
  EXPECT_TRUE(d.ui.Restored());
}

TEST(DriverMode, AStoredConfigurationIsLoadedIntoTheDriver) {
  DriverMode d;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  Bytes file(d.store->bytes().begin(), d.store->bytes().begin() + 40960);
  file[160] = 0x00;  // level 1
  d.WriteFile("default_config1.bin", file);
  d.firmware->identity().open_reply = 0xA5;
  // The file's state reaches the driver and, with the 0xA5 open reply, the
  // mouse (its fourth byte 0); the read afterwards expects 0xA6.
  EXPECT_EQ(d.stack.sessions.Btn_DefaultClick(), SessionOutcome::kNotDriverMouse);
  EXPECT_EQ(d.store->State()[0], 0x00);
  EXPECT_EQ(d.firmware->State(), (std::array<uint8_t, 4>{0x00, 0x0B, 0x55, 0x00}));
  d.firmware->identity().open_reply = 0xA6;
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  EXPECT_EQ(d.pages.dpi.State().current, 1);
}

TEST(DriverMode, AFailedReadKeepsTheTableTheButtonsPointInto) {
  DriverMode d;
  d.PutStoreBlock(0, NamedBlock("Alpha", 1));
  d.SetStoreButton(1, 5, {0x06, 0x01, 0x20});
  ASSERT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kDone);
  const config::Configuration before = d.stack.configuration;
  d.store->refuse_reads = true;
  EXPECT_EQ(d.stack.sessions.ReadDevInfo(), SessionOutcome::kReadFailed);
  EXPECT_EQ(d.stack.sessions.DriverMacros().size(), 1u);
  EXPECT_EQ(d.stack.configuration.DevImage, before.DevImage);
  // Nor is a profile saved from a read that did not complete.
  EXPECT_EQ(d.stack.sessions.SaveProfile(d.Path("partial")), SessionOutcome::kReadFailed);
  EXPECT_FALSE(std::filesystem::exists(d.Path("partial.bin")));
  EXPECT_TRUE(d.ui.Restored());
}

}  // namespace
}  // namespace orvane::app
