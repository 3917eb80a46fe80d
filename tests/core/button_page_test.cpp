#include "core/pages/button_page.h"

#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/config/default_images.h"
#include "core/config/parameter_fields.h"
#include "core/resources/resources.h"

namespace orvane::pages {
namespace {

using Names = std::array<std::string, 9>;

const app::LanguageTable& Language1() {
  static const app::LanguageTable table =
      app::LanguageTable::Parse("lang1", *resources::FindResource("lang1"));
  return table;
}

// The button page over default image 1, named in the first language.
struct Page {
  explicit Page(bool gd_enable = false) {
    config.DevImage = config::DefaultImage(1);
    config::DistributeImage(config);
    ButtonPage::Context context;
    context.text = [](std::string_view key) { return Language1().Text(key); };
    context.naming = [] {
      config::NamingContext naming;
      naming.text = [](std::string_view key) { return Language1().Text(key); };
      return naming;
    };
    context.gd_enable = gd_enable;
    page.emplace(config, context);
    page->ImageShown();
  }
  void SetCode(int profile, int button, config::ActionCode code) {
    const size_t at = static_cast<size_t>(27 * (profile - 1) + 3 * (button - 1));
    std::copy(code.begin(), code.end(), config.data.ProfileKeys.begin() + at);
  }
  const std::string& Name(int profile, int button) const {
    return page->State().names[profile - 1][button - 1];
  }
  const std::string& Code(int profile, int button) const {
    return page->State().codes[profile - 1][button - 1];
  }

  config::Configuration config;
  std::optional<ButtonPage> page;
};

constexpr int kLeftClick = 900;
constexpr int kRightClick = 901;
constexpr int kAim = 1002;

TEST(ButtonPage, TheDefaultImageShowsItsButtons) {
  Page p;
  EXPECT_EQ(p.page->State().names[0],
            (Names{"Left Click", "Middle Click", "Right Click", "Back", "Forward", "DPI Loop",
                   "Profile", "Desktop", "LED ON/OFF"}));
  EXPECT_EQ(p.Code(1, 1), "010100");
  EXPECT_EQ(p.page->State().page_profile, 1);
}

// The Left Click rule, from a page label and from an engineer button.
TEST(ButtonPage, AProfileKeepsALeftClick) {
  Page p;
  const std::string refusal = "Please keep a Left Key";

  // The only Left Click cannot go; label and code stay what they were.
  p.page->OpenMenuForLabel(1);
  EXPECT_EQ(p.page->PickFunction(kRightClick), refusal);
  EXPECT_EQ(p.Name(1, 1), "Left Click");
  EXPECT_EQ(p.Code(1, 1), "010100");

  // A button that was not Left Click keeps its own name on a refusal too.
  p.page->OpenMenuForLabel(2);
  EXPECT_EQ(p.page->PickFunction(kRightClick), std::nullopt);
  EXPECT_EQ(p.Name(1, 2), "Right Click");

  // Picking what a button already has passes and writes it again.
  p.page->OpenMenuForLabel(1);
  EXPECT_EQ(p.page->PickFunction(kLeftClick), std::nullopt);
  EXPECT_EQ(p.Code(1, 1), "010100");

  // Two Left Clicks: either may go, the second one then may not.
  p.page->OpenMenuForEngineerButton(103);
  EXPECT_EQ(p.page->PickFunction(kLeftClick), std::nullopt);
  p.page->OpenMenuForLabel(1);
  EXPECT_EQ(p.page->PickFunction(kRightClick), std::nullopt);
  p.page->OpenMenuForEngineerButton(103);
  EXPECT_EQ(p.page->PickFunction(kRightClick), refusal);
  EXPECT_EQ(p.Code(1, 3), "010100");
  EXPECT_EQ(p.config.data.ProfileKeys[6], 0x01);

  // Profile 2 has rules of its own, through its engineer buttons.
  p.page->OpenMenuForEngineerButton(201);
  EXPECT_EQ(p.page->PickFunction(kRightClick), refusal);
  EXPECT_EQ(p.page->AssignCode(2, 4, "020004"), std::nullopt);  // the key A
  EXPECT_EQ(p.Name(2, 4), "A");
  EXPECT_EQ(p.config.data.ProfileKeys[27 + 9], 0x02);
}

TEST(ButtonPage, APickFromAPageLabelWritesThePagesProfile) {
  Page p;
  p.page->ShowProfile(2);
  p.page->OpenMenuForLabel(4);
  EXPECT_EQ(p.page->PickFunction(kRightClick), std::nullopt);
  EXPECT_EQ(p.Code(2, 4), "010200");
  EXPECT_EQ(p.Code(1, 4), "010800") << "profile 1 untouched";
  // No menu open: a pick does nothing.
  EXPECT_EQ(p.page->PickFunction(kRightClick), std::nullopt);
  EXPECT_EQ(p.Code(2, 5), "011000");
}

// All AIM buttons share one level: the one found last wins, and a write
// gives every AIM button that level.
TEST(ButtonPage, AimButtonsShareTheirLevel) {
  Page p;
  p.SetCode(1, 4, {0x0A, 3, 0});
  p.SetCode(2, 6, {0x0A, 5, 0});
  p.page->ImageShown();
  EXPECT_EQ(p.page->State().aim_level, 5);
  EXPECT_EQ(p.page->State().aim_choice, 5);
  EXPECT_EQ(p.page->State().aim_value, "2000");
  p.page->BeforeWrite();
  EXPECT_EQ(p.config.data.ProfileKeys[9 + 1], 5);
  EXPECT_EQ(p.config.data.ProfileKeys[27 + 15 + 1], 5);

  EXPECT_EQ(p.page->ChooseAimLevel(7), std::nullopt);
  EXPECT_EQ(p.config.data.ProfileKeys[9 + 1], 7);
  // A new AIM pick carries the current level.
  p.page->OpenMenuForLabel(5);
  EXPECT_EQ(p.page->PickFunction(kAim), std::nullopt);
  EXPECT_EQ(p.Code(1, 5), "0A0700");
}

TEST(ButtonPage, AnAimLevelWithoutAnAimButtonIsRefused) {
  Page p;
  EXPECT_EQ(p.page->ChooseAimLevel(6), "Please select a AIM Key in Profile!");
  EXPECT_EQ(p.page->State().aim_level, 0);
  EXPECT_EQ(p.page->State().aim_choice, 0);
}

// A level the list has no item for (a byte of 11 or more from the mouse):
// the nearest item is shown, the byte itself kept until the user picks.
TEST(ButtonPage, AnAimLevelBeyondTheListIsKeptAndShownAsTheNearest) {
  for (const uint8_t level : {11, 13, 255}) {
    Page p;
    p.SetCode(1, 4, {0x0A, level, 0});
    p.page->ImageShown();
    EXPECT_EQ(p.page->State().aim_level, level);
    EXPECT_EQ(p.page->State().aim_choice, 10);
    // 11 has a DPI text of its own; beyond it the label stays as it was.
    EXPECT_EQ(p.page->State().aim_value, level == 11 ? "8000" : "500") << int(level);
    p.page->BeforeWrite();
    EXPECT_EQ(p.config.data.ProfileKeys[10], level);
  }
}

TEST(ButtonPage, MenuHeightsAndTheGunOptionByPage) {
  struct Case {
    bool gd_enable;
    int profile;  // 0: the engineer page
    int height;
    bool gun_option;
  };
  for (const Case c :
       {Case{false, 1, 170, false}, Case{false, 2, 170, false}, Case{true, 1, 170, false},
        Case{true, 2, 194, true}, Case{false, 0, 194, false}}) {
    Page p(c.gd_enable);
    p.page->ShowProfile(c.profile);
    EXPECT_EQ(p.page->State().key_menu_height, c.height) << c.gd_enable << c.profile;
    EXPECT_EQ(p.page->State().gun_switch_shown, c.gun_option) << c.gd_enable << c.profile;
  }
}

TEST(ButtonPage, MiddleHoldAndDpiHoldExcludeEachOther) {
  Page p;
  const auto on = [&p] { return p.page->State().switches; };
  p.page->SetSwitch(ProfileSwitch::kMiddleHold, false);
  p.page->SetSwitch(ProfileSwitch::kGunHold, false);
  p.page->SetSwitch(ProfileSwitch::kDpiHold, true);
  p.page->ClickSwitch(ProfileSwitch::kMiddleHold);
  EXPECT_EQ(on(), (std::array<bool, 3>{true, false, false}));
  p.page->ClickSwitch(ProfileSwitch::kMiddleHold);
  EXPECT_EQ(on(), (std::array<bool, 3>{false, false, false}));
  p.page->ClickSwitch(ProfileSwitch::kDpiHold);
  p.page->ClickSwitch(ProfileSwitch::kGunHold);
  EXPECT_EQ(on(), (std::array<bool, 3>{false, true, true}));
  // The engineer check boxes set one option alone.
  p.page->SetSwitch(ProfileSwitch::kMiddleHold, true);
  EXPECT_EQ(on(), (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(p.config.data.ParameterA[1] & 0x07, 0x07);
}

TEST(ButtonPage, TheShownProfileIsWrittenAsTheCurrentKeyMode) {
  Page p;
  config::SetKeyMode(p.config.data.ParameterB, 2);
  p.page->ImageShown();
  EXPECT_EQ(p.page->State().page_profile, 2);
  p.page->ShowProfile(1);
  p.page->BeforeWrite();
  EXPECT_EQ(config::GetKeyMode(p.config.data.ParameterB), 1);
  p.page->ShowProfile(2);
  config::SetSwitch(p.config.data.ParameterA, config::SwitchBit::kKeyModeNotSaved, true);
  p.page->BeforeWrite();
  EXPECT_EQ(config::GetKeyMode(p.config.data.ParameterB), 1) << "key mode saving is off";
}

}  // namespace
}  // namespace orvane::pages
