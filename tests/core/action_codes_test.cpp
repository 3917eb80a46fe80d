#include "core/config/action_codes.h"

#include <gtest/gtest.h>

#include "core/config/assembly_key.h"
#include "core/config/key_tables.h"
#include "core/english_names.h"

namespace orvane::config {
namespace {

using testing::EnglishContext;

TEST(ActionCodes, EveryMenuItemNamesItsOwnCode) {
  const std::vector<std::pair<int, std::string>> menu = {
      {900, "Left Click"},   {901, "Right Click"}, {902, "Middle Click"},    {903, "Back"},
      {904, "Forward"},      {1000, "Fire Key"},   {1001, "LED ON/OFF"},     {1002, "AIM"},
      {1003, "Gun Key Fn"},  {1004, "Key Off"},    {1005, "Profile"},        {1006, "LED Mode"},
      {1100, "My Computer"}, {1101, "Calculator"}, {1102, "E-Mail"},         {1103, "Desktop"},
      {1300, "Play/Pause"},  {1301, "Stop"},       {1302, "Previous Track"}, {1303, "Next Track"},
      {1304, "Volume +"},    {1305, "Volume -"},   {1306, "Mute"},           {1400, "Home"},
      {1401, "Search"},      {1402, "Web Back"},   {1403, "Web Forward"},    {1404, "Stop"},
      {1405, "Refresh"},     {1406, "Favorites"},  {2000, "DPI Loop"},       {2001, "DPI +"},
      {2002, "DPI -"},
  };
  for (const auto& [tag, name] : menu) {
    const std::string code = GetCodeByTag(tag, 5);
    EXPECT_EQ(code.size(), 6u) << tag;
    EXPECT_EQ(GetNameByCode(code, EnglishContext()), name) << tag << " " << code;
  }
  EXPECT_EQ(GetCodeByTag(1002, 11), "0A0B00");
  EXPECT_EQ(GetCodeByTag(1103, 0), "020807");
  EXPECT_EQ(GetCodeByTag(999, 0), "");
}

TEST(ActionCodes, NamesByRule) {
  auto context = EnglishContext();
  context.macro_names = {"Recoil", "Reload", "", "", "", "Six"};
  struct Case {
    const char* code;
    const char* name;
  };
  for (const Case& c : {
           Case{"0A0500", "AIM"},
           Case{"0A0000", "AIM"},
           Case{"0AFF00", "AIM"},
           Case{"020807", "Desktop"},
           Case{"020A07", "Shift+Win+D"},
           Case{"020100", "Ctrl+"},
           Case{"020F04", "Ctrl+Shift+Alt+Win+A"},
           Case{"02F004", "A"},
           Case{"020032", ""},
           Case{"0E00F0", ""},
           Case{"0600F0", "Fire Key"},
           Case{"060121", "Recoil"},
           Case{"0E0221", "Reload"},
           Case{"060721", "Six"},
           Case{"060500", ""},
           Case{"0C0101", "AKM"},
           Case{"0C0607", "5.56mm Fire"},
           Case{"0C080A", "7.62mm Fire"},
           Case{"0C0102", ""},
           Case{"110000", ""},
           Case{"0G0100", ""},
           Case{"01010", ""},
           Case{"", ""},
       }) {
    EXPECT_EQ(GetNameByCode(c.code, context), c.name) << c.code;
  }
}

TEST(ActionCodes, DriverModeAndGunKeyListNaming) {
  auto context = EnglishContext();
  context.macro_names = {"First", "Second"};
  context.eeprom_mode = false;
  context.driver_macro_count = 2;
  EXPECT_EQ(GetNameByCode("060121", context), "");  // not of the form 0x0120 + 2048k
  EXPECT_EQ(GetNameByCode("060120", context), "First");
  EXPECT_EQ(GetNameByCode("0E0920", context), "Second");
  EXPECT_EQ(GetNameByCode("061120", context), "");  // block 2 is not in the table
  EXPECT_EQ(GetNameByCode("0E00F0", context), "");

  context.gun_key_list_loaded = true;
  context.gun_key_list = {"0C0102", "000000", "0C0101", "000000", "0C0101",
                          "000000", "000000", "000000", "000000", "000000"};
  EXPECT_EQ(GetNameByCode("0C0101", context), "Fire Macro5");  // the last match counts
  EXPECT_EQ(GetNameByCode("0C0102", context), "Fire Macro1");
  EXPECT_EQ(GetNameByCode("0C0202", context), "");  // no preset names with a list
}

TEST(ActionCodes, TextAndBytes) {
  EXPECT_EQ(CodeFromText("0a0b0c"), (ActionCode{0x0A, 0x0B, 0x0C}));
  EXPECT_EQ(CodeText({0x0A, 0x0B, 0x0C}), "0A0B0C");
  EXPECT_FALSE(CodeFromText("0A0B0"));
  EXPECT_FALSE(CodeFromText("0A0B0CD"));
  EXPECT_FALSE(CodeFromText("0A 0B0"));
}

TEST(KeyTables, Rows) {
  struct Row {
    int vk, index;
    const char* name;
    uint8_t usage;
  };
  for (const Row& r : {
           Row{0x41, 78, "A", 0x04},
           Row{0x5A, 103, "Z", 0x1D},
           Row{0x30, 104, "0", 0x27},
           Row{0x39, 113, "9", 0x26},
           Row{0x08, 3, "Backspace", 0x2A},
           Row{0x0C, 5, "Clear", 0x9C},
           Row{0xFF, 2, "255", 0},
           Row{0x60, 30, "0 (numeric pad)", 0x62},
           Row{0x61, 31, "1 (numeric pad)", 0x59},
           Row{0x69, 39, "9 (numeric pad)", 0x61},
           Row{0x6F, 45, "Divide (numeric pad)", 0x54},
           Row{0x70, 46, "F1", 0x3A},
           Row{0x7B, 57, "F12", 0x45},
           Row{0x7C, 58, "F13", 0x68},
           Row{0x87, 69, "F24", 0x73},
           Row{0xA5, 77, "Right Alt", 0xE6},
           Row{0xDF, 121, "OEM_8", 0},
           Row{0xBE, 125, "OEM_Period", 0x37},
           Row{0xA6, 126, "Browser_Back", 0xCA},
           Row{0xB5, 141, "Launch_Media_Select", 0xD1},
           Row{0xB6, 142, "Launch_App1", 0},
           Row{0xB7, 143, "Launch_App2", 0},
           Row{0x5C, 28, "Right Windows", 0xE7},
           Row{0x07, 0, "None", 0},
           Row{0x88, 0, "None", 0},
       }) {
    EXPECT_EQ(GetKeyIndexByVK(r.vk), r.index) << r.vk;
    EXPECT_EQ(GetKeyNameByIndex(r.index), r.name) << r.vk;
    EXPECT_EQ(GetUsageByKeyIndex(r.index), r.usage) << r.vk;
  }
  EXPECT_EQ(GetKeyNameByIndex(1), "");
  EXPECT_EQ(GetKeyNameByIndex(144), "");
}

TEST(KeyTables, NamesByUsage) {
  struct Case {
    uint8_t usage;
    const char* name;
  };
  for (const Case& c :
       {Case{0xE7, "Win"}, Case{0xE3, "Win"}, Case{0xE0, "Left Ctrl"}, Case{0xE1, "Left Shift"},
        Case{0xE2, "Left Alt"}, Case{0xE5, "Right Shift"}, Case{0x04, "A"},
        Case{0x62, "0 (numeric pad)"}, Case{0xC0, "Media_Next_Track"}, Case{0x32, ""},
        Case{0x64, ""}, Case{0x00, ""}, Case{0xFF, ""}}) {
    EXPECT_EQ(GetKeyNameByUsage(c.usage), c.name) << int(c.usage);
  }
  // Every other key with a usage names back as itself.
  for (int index = 2; index <= 143; ++index) {
    const uint8_t usage = GetUsageByKeyIndex(index);
    if (usage == 0 || (usage >= 0xE0 && usage <= 0xE7)) continue;
    EXPECT_EQ(GetKeyNameByUsage(usage), GetKeyNameByIndex(index)) << index;
  }
}

TEST(AssemblyKey, KeysAndModifiers) {
  constexpr int kA = 0x41, kB = 0x42;
  AssemblyKeyDialog dialog;
  dialog.KeyDown(kA, false);
  dialog.KeyDown(kB, false);
  EXPECT_EQ(dialog.Text(), "B");

  dialog.Clear();
  dialog.ModifierClicked(Modifier::kCtrl, true);
  dialog.KeyDown(kA, false);
  EXPECT_EQ(dialog.Text(), "Ctrl+A");
  EXPECT_EQ(dialog.Confirm().code, "020104");
  EXPECT_EQ(dialog.Confirm().name, "Ctrl+A");

  dialog.Clear();
  dialog.KeyDown(kA, false);
  dialog.ModifierClicked(Modifier::kCtrl, true);
  EXPECT_EQ(dialog.Text(), "Ctrl+A");
  dialog.ModifierClicked(Modifier::kAlt, true);
  EXPECT_EQ(dialog.Text(), "Ctrl+Alt+A");
  dialog.ModifierClicked(Modifier::kCtrl, false);
  EXPECT_EQ(dialog.Text(), "Alt+A");
  dialog.ModifierClicked(Modifier::kAlt, false);
  EXPECT_EQ(dialog.Text(), "A");

  // Shift+A is swallowed and drops the key taken before it.
  dialog.KeyDown(kA, /*modifier_held=*/true);
  EXPECT_EQ(dialog.Text(), "");
  EXPECT_FALSE(dialog.KeyTaken());
  dialog.KeyDown(0x5B, false);  // Windows keys come from the check box only
  EXPECT_FALSE(dialog.KeyTaken());

  dialog.Clear();
  EXPECT_EQ(dialog.Confirm().code, "020000");
  EXPECT_EQ(dialog.Confirm().name, "");
  dialog.ModifierClicked(Modifier::kWin, true);
  EXPECT_EQ(dialog.Confirm().code, "020800");
  dialog.ModifierClicked(Modifier::kWin, false);
  EXPECT_EQ(dialog.Text(), "");
  dialog.KeyDown(0x88, false);  // not in the table: "None", usage 0
  EXPECT_EQ(dialog.Text(), "None");
  EXPECT_EQ(dialog.Confirm().code, "020000");
}

}  // namespace
}  // namespace orvane::config
