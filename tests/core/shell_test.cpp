#include "core/app/shell.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/config/default_images.h"
#include "core/config/parameter_fields.h"
#include "core/macro/macro_library.h"
#include "platform/common/virtual_pacer.h"
#include "sim/sim_hid_bus.h"

namespace orvane::app {
namespace {

struct RecordingView : ShellView {
  void ShowPage(Page page) override { shown = page; }
  void SetInputBlocked(bool value) override { blocked = value; }
  void SetBusyVisible(bool value) override { busy = value; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void HideAllMenu() override { ++menus_hidden; }
  void SetKeyMenuHeight(int value) override { menu_height = value; }
  void ShowConfiguration(const config::Configuration& configuration) override {
    shown_image = configuration.DevImage;
  }
  void ClearMacroLists() override {}
  void ShowMacroLibraryNames(const std::vector<std::string>& names) override {
    library_names = names;
  }

  std::vector<std::string> library_names;
  Page shown = Page::kAdvanced;
  bool blocked = false;
  bool busy = false;
  int menus_hidden = 0;
  int menu_height = 0;
  config::Image shown_image{};
  std::vector<std::string> messages;
};

// DevTimer in virtual time: while enabled it ticks every 2.5 s; a tick that
// arrives during a poll finds the poll busy, as in the window.
class VirtualTimer : public ShellTimer {
 public:
  explicit VirtualTimer(platform::VirtualPacer& pacer) : pacer_(pacer) {}
  void Attach(Shell* shell) { shell_ = shell; }
  void SetEnabled(bool enabled) override {
    if (enabled == enabled_) return;  // as a window timer: enabling twice changes nothing
    enabled_ = enabled;
    ++generation_;  // disabled then enabled: a new period starts
    if (enabled_) Arm();
  }
  bool Enabled() const override { return enabled_; }
  int64_t first_tick_ms = -1;

 private:
  void Arm() {
    const int generation = generation_;
    pacer_.At(pacer_.NowMs() + Shell::kDevTimerMs, [this, generation] {
      if (!enabled_ || generation != generation_) return;
      if (first_tick_ms < 0) first_tick_ms = pacer_.NowMs();
      Arm();
      shell_->DevTimerTimer();
    });
  }
  platform::VirtualPacer& pacer_;
  Shell* shell_ = nullptr;
  bool enabled_ = false;
  int generation_ = 0;
};

const std::string kConnectMessage =
    "Please Connect the USB Device\r\rPlease check your device is attached to USB port";

struct ShellFixture {
  explicit ShellFixture(std::string folder = std::filesystem::temp_directory_path().string() + "/")
      : exe_dir(std::move(folder)) {
    timer.Attach(&shell);
    shell.Start();
  }
  void PlugMouse() { bus.PlugMouse("mouse", firmware); }

  platform::VirtualPacer pacer;
  sim::SimHidBus bus;
  std::shared_ptr<sim::MouseFirmware> firmware = [] {
    auto mouse = std::make_shared<sim::MouseFirmware>();
    mouse->memory() = config::DefaultImage(1);
    mouse->memory()[0x0D0] = 0x12;  // fire macro 1 is not quite red
    return mouse;
  }();
  std::string exe_dir;
  RecordingView view;
  VirtualTimer timer{pacer};
  Shell shell{bus, pacer, view, timer, exe_dir};
};

TEST(Shell, StartsOnPageOneWithTheDefaultImageAndInputBlocked) {
  ShellFixture f;
  EXPECT_EQ(f.view.shown, Page::kMain);
  EXPECT_TRUE(f.view.blocked);
  EXPECT_TRUE(f.shell.PagesLocked());
  EXPECT_EQ(f.view.shown_image, config::DefaultImage(1));
  EXPECT_TRUE(f.timer.Enabled());
  f.pacer.AdvanceTo(2499);
  EXPECT_EQ(f.timer.first_tick_ms, -1);
  f.pacer.AdvanceTo(2500);
  EXPECT_EQ(f.timer.first_tick_ms, 2500) << "the first poll comes 2.5 s after start";
}

TEST(Shell, PluggingLeadsToAReadAndUnlockedPages) {
  ShellFixture f;
  f.PlugMouse();
  f.pacer.AdvanceTo(2500 + 2100 + 3000);  // first tick, settle wait, the read itself
  EXPECT_TRUE(f.shell.MouseConnected());
  EXPECT_FALSE(f.shell.PagesLocked());
  EXPECT_FALSE(f.view.blocked);
  EXPECT_FALSE(f.view.busy);
  EXPECT_EQ(f.view.shown_image[0x0D0], 0x12);
  EXPECT_TRUE(f.view.messages.empty());
  EXPECT_TRUE(f.timer.Enabled());
}

TEST(Shell, TheConnectMessageShowsOncePerChangeOfTheCount) {
  ShellFixture f;
  f.bus.PlugDevice("keyboard", {0x046D, 0xC31C, 0x0110}, 0);
  f.pacer.AdvanceTo(20000);
  EXPECT_EQ(f.view.messages, std::vector<std::string>{kConnectMessage});
  f.PlugMouse();
  f.pacer.AdvanceTo(30000);
  EXPECT_TRUE(f.shell.MouseConnected());
  f.bus.Unplug("mouse");
  f.pacer.AdvanceTo(40000);
  EXPECT_EQ(f.view.messages, (std::vector<std::string>{kConnectMessage, kConnectMessage}));
  EXPECT_TRUE(f.shell.PagesLocked());
  EXPECT_TRUE(f.view.blocked);
  EXPECT_EQ(f.view.shown, Page::kMain);
  EXPECT_EQ(f.view.shown_image, config::DefaultImage(1));
}

TEST(Shell, PageButtons) {
  ShellFixture f;
  EXPECT_FALSE(f.shell.SwitchPage(Page::kAdvanced));
  EXPECT_EQ(f.view.messages, std::vector<std::string>{"Finding the specified device"});
  EXPECT_EQ(f.view.shown, Page::kMain);
  f.PlugMouse();
  f.pacer.AdvanceTo(8000);
  EXPECT_TRUE(f.shell.SwitchPage(Page::kSecond));
  EXPECT_EQ(f.view.menu_height, 170);  // GD_Enable is 0 in the shipped settings
  EXPECT_TRUE(f.shell.SwitchPage(Page::kAdvanced));
  EXPECT_EQ(f.view.shown, Page::kAdvanced);
  EXPECT_EQ(f.shell.CurrentPage(), Page::kAdvanced);
}

// "Fail", and below it what failed.
TEST(Shell, AFailedReadOrWriteShowsFailAndWhy) {
  ShellFixture f;
  f.firmware->faults().lose_every_nth_read_chunk = 50;
  f.PlugMouse();
  f.pacer.AdvanceTo(8000);
  const std::string lost =
      "Fail\r\rThe read failed: 6 of the 342 parts of the memory were not answered.";
  EXPECT_EQ(f.view.messages, std::vector<std::string>{lost});
  EXPECT_TRUE(f.shell.PagesLocked()) << "nothing read, nothing to edit";
  f.firmware->faults().lose_every_nth_read_chunk = 0;
  EXPECT_EQ(f.shell.Btn_Read_0Click(), device::SessionOutcome::kDone);
  f.firmware->faults().sticky[0x0D1] = 0x77;
  EXPECT_EQ(f.shell.Btn_Apply_0Click(), device::SessionOutcome::kBytesDidNotStick);
  EXPECT_EQ(f.view.messages,
            (std::vector<std::string>{
                lost, "Fail\r\rThe byte at 0x0D1 did not keep its value after 3 repair passes."}));
  EXPECT_FALSE(f.view.blocked);
  EXPECT_TRUE(f.timer.Enabled());
}

// After a read the key page is the one of the profile the mouse marks as
// current; the macro menu lists the library from the start.
TEST(Shell, AReadShowsTheCurrentProfilesPageAndTheLibraryIsListed) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("orvane-shell-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  macro::MacroLibrary library;
  library.names[0] = macro::EncodeMacroName("Recoil");
  library.names[1] = macro::EncodeMacroName("Reload");
  ASSERT_TRUE(macro::SaveMacroLibrary(folder.string() + "/", library, nullptr));
  ShellFixture f(folder.string() + "/");
  EXPECT_EQ(f.view.library_names, (std::vector<std::string>{"Recoil", "Reload"}));
  std::filesystem::remove_all(folder);
  config::ParameterB b;
  std::copy_n(f.firmware->memory().begin() + 0x30, b.size(), b.begin());
  config::SetKeyMode(b, 2);
  std::copy(b.begin(), b.end(), f.firmware->memory().begin() + 0x30);
  f.PlugMouse();
  f.pacer.AdvanceTo(8000);
  EXPECT_FALSE(f.shell.PagesLocked());
  EXPECT_EQ(f.shell.CurrentPage(), Page::kSecond);
  EXPECT_EQ(f.view.shown, Page::kSecond);
  EXPECT_EQ(f.shell.Pages().buttons.State().page_profile, 2);
}

}  // namespace
}  // namespace orvane::app

namespace orvane::app {
namespace {

// Btn_ImportBaseMacroClick: a damaged or short file is refused with its
// reason and nothing reaches the mouse; a good one reaches slots 1 to 4.
TEST(Shell, BaseMacroFilesAreCheckedBeforeTheMouseGetsThem) {
  ShellFixture f;
  f.PlugMouse();
  f.pacer.AdvanceTo(8000);
  const std::string path = f.exe_dir + "base-macros-" + std::to_string(::getpid()) + ".bin";
  const auto write = [&](const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  };
  const auto before = f.firmware->memory();
  write(std::vector<uint8_t>(1000, 0));
  EXPECT_EQ(f.shell.ImportBaseMacroFile(path), device::SessionOutcome::kFileError);
  std::vector<uint8_t> file(1024, 0);
  file[32 + 1] = 5;  // slot 1 claims five bytes with no checksum
  write(file);
  EXPECT_EQ(f.shell.ImportBaseMacroFile(path), device::SessionOutcome::kFileError);
  ASSERT_EQ(f.view.messages.size(), 2u);
  EXPECT_EQ(f.view.messages[1],
            "The base macros were not imported: macro slot 1 of the file is damaged.");
  EXPECT_EQ(f.firmware->memory(), before);
  file[32 + 1] = 0;
  file[0] = 0x00;
  file[1] = 'M';
  write(file);
  EXPECT_EQ(f.shell.ImportBaseMacroFile(path), device::SessionOutcome::kDone);
  EXPECT_EQ(f.firmware->memory()[0x101], 'M');
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace orvane::app
