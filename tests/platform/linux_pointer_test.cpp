// The pointer settings on Linux: the per-user file keeps the values by key
// and name across instances, and a GNOME desktop gets them in its mouse
// settings (through GSettings' in-memory backend here).
#include "platform/linux/linux_pointer_settings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane::platform {
namespace {

std::string PrivateFile() {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("orvane-pointer-" + std::to_string(getpid()) + "-" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(folder);
  return (folder / "config" / "pointer-settings.ini").string();
}

TEST(LinuxPointerSettings, TheFileKeepsTheValuesByKeyAndName) {
  const std::string file = PrivateFile();
  {
    LinuxPointerSettings settings(file);
    EXPECT_TRUE(settings.HasKey(kMouseKey));
    EXPECT_TRUE(settings.HasKey(kDesktopKey));
    EXPECT_FALSE(settings.HasKey("Control Panel\\Keyboard"));
    EXPECT_EQ(settings.Get(kMouseKey, kMouseSensitivity), std::nullopt);
    settings.Set(kMouseKey, kMouseSensitivity, "14");
    settings.Set(kDesktopKey, kWheelScrollLines, "-1");
    settings.Set("Control Panel\\Keyboard", "KeyboardSpeed", "31");  // no such key: ignored
    EXPECT_EQ(settings.WriteError(), "");
  }
  LinuxPointerSettings again(file);
  EXPECT_EQ(again.Get(kMouseKey, kMouseSensitivity), "14");
  EXPECT_EQ(again.Get(kDesktopKey, kWheelScrollLines), "-1");
  EXPECT_EQ(again.Get(kMouseKey, kWheelScrollLines), std::nullopt);
  std::ifstream in(file);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text,
            "[Control Panel\\Desktop]\nWheelScrollLines=-1\n"
            "[Control Panel\\Mouse]\nMouseSensitivity=14\n");
  EXPECT_EQ(std::filesystem::status(std::filesystem::path(file).parent_path()).permissions() &
                std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
  std::filesystem::remove_all(std::filesystem::path(file).parent_path().parent_path());
}

TEST(LinuxPointerSettings, AGnomeDesktopGetsSpeedPrecisionAndDoubleClick) {
  setenv("GSETTINGS_BACKEND", "memory", 1);
  setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
  unsetenv("DISPLAY");  // only the desktop's settings, no X server
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  GSettingsSchema* schema =
      source ? g_settings_schema_source_lookup(source, "org.gnome.desktop.peripherals.mouse", TRUE)
             : nullptr;
  if (schema == nullptr) GTEST_SKIP() << "GNOME's mouse schema is not installed";
  g_settings_schema_unref(schema);
  const std::string file = PrivateFile();
  LinuxPointerSettings settings(file);
  EXPECT_EQ(settings.ApplySpeed(16), Applied::kYes);
  EXPECT_EQ(settings.ApplyAcceleration(6, 10, 1), Applied::kYes);
  EXPECT_EQ(settings.ApplyDoubleClickTime(690), Applied::kYes);
  EXPECT_EQ(settings.ApplyWheelLines(3), Applied::kNotHere);
  GSettings* mouse = g_settings_new("org.gnome.desktop.peripherals.mouse");
  EXPECT_DOUBLE_EQ(g_settings_get_double(mouse, "speed"), 0.6);
  EXPECT_EQ(g_settings_get_enum(mouse, "accel-profile"), 2);  // adaptive
  EXPECT_EQ(g_settings_get_int(mouse, "double-click"), 690);
  settings.ApplyAcceleration(0, 0, 0);
  EXPECT_EQ(g_settings_get_enum(mouse, "accel-profile"), 1);  // flat
  g_object_unref(mouse);
  unsetenv("XDG_CURRENT_DESKTOP");
  std::filesystem::remove_all(std::filesystem::path(file).parent_path().parent_path());
}

}  // namespace
}  // namespace orvane::platform
