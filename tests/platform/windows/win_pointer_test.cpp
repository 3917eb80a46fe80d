// The pointer settings on Windows against wine's registry and
// SystemParametersInfo: what is written is read back, and what is applied
// is in force.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/pointer_settings.h"

namespace orvane::platform {
namespace {

int SystemValue(UINT action) {
  int value = 0;
  SystemParametersInfoA(action, 0, &value, 0);
  return value;
}

class WinPointerTest : public ::testing::Test {
 protected:
  std::unique_ptr<PointerSettings> settings_ = MakeSystemPointerSettings();
};

TEST_F(WinPointerTest, ValuesWrittenUnderTheUsersKeysReadBack) {
  ASSERT_TRUE(settings_->HasKey(kMouseKey));
  ASSERT_TRUE(settings_->HasKey(kDesktopKey));
  for (const char* value : {"6", "10", "20"}) {
    settings_->Set(kMouseKey, kMouseSensitivity, value);
    EXPECT_EQ(settings_->Get(kMouseKey, kMouseSensitivity), std::string(value));
  }
  settings_->Set(kDesktopKey, kWheelScrollLines, "-1");
  EXPECT_EQ(settings_->Get(kDesktopKey, kWheelScrollLines), std::string("-1"));
  // Straight from the registry, as other programs see it.
  char text[16] = {};
  DWORD size = sizeof(text);
  ASSERT_EQ(RegGetValueA(HKEY_CURRENT_USER, kMouseKey, kMouseSensitivity, RRF_RT_REG_SZ, nullptr,
                         text, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(text, "20");
}

TEST_F(WinPointerTest, AMissingKeyOrValueIsNothingAndNeverCreated) {
  const std::string missing = "Control Panel\\Orvane Missing";
  EXPECT_FALSE(settings_->HasKey(missing));
  EXPECT_EQ(settings_->Get(missing, kMouseSpeed), std::nullopt);
  settings_->Set(missing, kMouseSpeed, "1");
  EXPECT_FALSE(settings_->HasKey(missing));
  EXPECT_EQ(settings_->Get(kMouseKey, "OrvaneNoSuchValue"), std::nullopt);
}

TEST_F(WinPointerTest, AppliedSettingsAreInForce) {
  EXPECT_EQ(settings_->ApplySpeed(15), Applied::kYes);
  EXPECT_EQ(SystemValue(SPI_GETMOUSESPEED), 15);
  EXPECT_EQ(settings_->ApplyDoubleClickTime(690), Applied::kYes);
  EXPECT_EQ(GetDoubleClickTime(), 690u);
  EXPECT_EQ(settings_->ApplyWheelLines(7), Applied::kYes);
  EXPECT_EQ(SystemValue(SPI_GETWHEELSCROLLLINES), 7);
  EXPECT_EQ(settings_->ApplyWheelLines(-1), Applied::kYes);
  EXPECT_EQ(static_cast<UINT>(SystemValue(SPI_GETWHEELSCROLLLINES)), WHEEL_PAGESCROLL);
  EXPECT_EQ(settings_->ApplyAcceleration(6, 10, 1), Applied::kYes);
  int mouse[3] = {};
  SystemParametersInfoA(SPI_GETMOUSE, 0, mouse, 0);
  EXPECT_EQ(mouse[0], 6);
  EXPECT_EQ(mouse[1], 10);
  EXPECT_EQ(mouse[2], 1);
}

}  // namespace
}  // namespace orvane::platform
