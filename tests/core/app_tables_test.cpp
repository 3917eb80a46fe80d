#include <gtest/gtest.h>

#include "core/app/engineer_captions.h"
#include "core/app/ini_table.h"
#include "core/app/language_table.h"
#include "core/app/org_settings.h"

namespace orvane::app {
namespace {

std::vector<uint8_t> Utf16Le(const std::u16string& text, bool bom) {
  std::vector<uint8_t> bytes;
  if (bom) bytes = {0xFF, 0xFE};
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

TEST(IniTable, ReadsTheLayoutFormat) {
  const IniTable table = IniTable::Parse(
      "//******** banner ********\r\n"
      "[org1]\r\n"
      "; a comment = 5\r\n"
      "M_L_W = 190\r\n"
      "Color_A_R=0255\n"
      "Btn_A2_X=  820 \n"
      "Num_Order=-1\n"
      "Broken=12px\n"
      "Empty=\n"
      "[org]\n"
      "Path=C:\\Orvane Data\n");
  EXPECT_EQ(table.Integer("org1", "M_L_W"), 190);
  EXPECT_EQ(table.Integer("ORG1", "m_l_w"), 190);
  EXPECT_EQ(table.Integer("org1", "Color_A_R"), 255);
  EXPECT_EQ(table.Integer("org1", "Btn_A2_X"), 820);
  EXPECT_EQ(table.Integer("org1", "Num_Order"), -1);
  // A missing or non-numeric value reads 0 instead of anything left over.
  EXPECT_EQ(table.Integer("org1", "Broken"), 0);
  EXPECT_EQ(table.Integer("org1", "Empty"), 0);
  EXPECT_EQ(table.Integer("org1", "Missing"), 0);
  EXPECT_EQ(table.Integer("nowhere", "M_L_W"), 0);
  EXPECT_FALSE(table.Has("org1", "a comment"));
  EXPECT_EQ(table.Value("org", "Path"), "C:\\Orvane Data");
  EXPECT_EQ(table.Keys("org1").front(), "M_L_W");
}

TEST(OrgSettings, ClampsAndTheDriverMode) {
  struct Case {
    const char* text;
    int gun6, gun7, num_order;
    bool gd_enable, eeprom;
  };
  for (const Case& c : {
           Case{"[org]\nGun6_Num=0\nGun7_Num=5\nNum_Order=-1\nGD_Enable=1\nAp_Mode=0", 1, 3, 0,
                true, true},
           Case{"[org]\nGun6_Num=2\nGun7_Num=3\nNum_Order=1\nGD_Enable=1\nAp_Mode=1", 2, 3, 1,
                false, false},
           Case{"[org]\nGun6_Num=9\nGun7_Num=0\nNum_Order=7\nGD_Enable=0\nAp_Mode=2", 2, 1, 1,
                false, true},
       }) {
    const OrgSettings settings = ReadOrgSettings(IniTable::Parse(c.text));
    EXPECT_EQ(settings.gun6_num, c.gun6) << c.text;
    EXPECT_EQ(settings.gun7_num, c.gun7) << c.text;
    EXPECT_EQ(settings.num_order, c.num_order) << c.text;
    EXPECT_EQ(settings.gd_enable, c.gd_enable) << c.text;
    EXPECT_EQ(settings.EepromMode(), c.eeprom) << c.text;
  }
}

TEST(LanguageTable, QuotedItemsWithAndWithoutByteOrderMark) {
  const std::u16string text =
      u"[lang1]\r\n\"FontName=Arial\"\r\n\"Str100=Please Connect the USB Device\"\r\n"
      u"\"Str210=Left Click\" \"Str999=say \"\"hi\"\"\"\r\nTitle=Orvane\r\n";
  for (const bool bom : {true, false}) {
    const LanguageTable table = LanguageTable::Parse("lang1", Utf16Le(text, bom));
    EXPECT_EQ(table.Text("Str100"), "Please Connect the USB Device") << bom;
    EXPECT_EQ(table.Text("Str210"), "Left Click");
    EXPECT_EQ(table.Text("Str999"), "say \"hi\"");
    EXPECT_EQ(table.Text("Title"), "Orvane");
    EXPECT_EQ(table.Text("Str101"), "");
  }
  // Keys are read from the table's own section only.
  EXPECT_EQ(LanguageTable::Parse("lang2", Utf16Le(text, true)).Text("Str210"), "");
  EXPECT_EQ(
      LanguageTable::Parse("lang3", Utf16Le(u"[lang3]\n\"Str210=左键\"", false)).Text("Str210"),
      "左键");
}

TEST(LanguageTable, FindTextKeyTakesTheLastMatch) {
  const std::array<LanguageTable, 3> tables = {
      LanguageTable::Parse("lang1", Utf16Le(u"[lang1] \"Str210=Left Click\" \"Str013=English\" "
                                            u"\"Str012=English\" \"Str800=Fire Key Setting\"",
                                            true)),
      LanguageTable::Parse("lang2",
                           Utf16Le(u"[lang2] \"Str210=Left Button\" \"Str0=Left Click\"", true)),
      LanguageTable::Parse("lang3", Utf16Le(u"[lang3] \"Str210=左键\"", true)),
  };
  // Tables in order 1, 2, 3: table 2's Str0 comes after table 1's Str210.
  EXPECT_EQ(FindTextKey("Left Click", tables), "Str0");
  EXPECT_EQ(FindTextKey("左键", tables), "Str210");
  EXPECT_EQ(FindTextKey("Left Button", tables), "Str210");
  EXPECT_EQ(FindTextKey("English", tables), "");           // "Str013" is not "Str13"
  EXPECT_EQ(FindTextKey("Fire Key Setting", tables), "");  // above 700
  EXPECT_EQ(FindTextKey("My Macro", tables), "");
  EXPECT_EQ(FindTextKey("", tables), "");
}

TEST(EngineerCaptions, BothColumnsByLocale) {
  struct Case {
    int row;
    const char* english;
    const char* chinese;
  };
  for (const Case& c :
       {Case{0, "Office Mode", "办公模式"}, Case{14, "Engineer", "工程人员界面"},
        Case{40, "Mode 1", "模式1"}, Case{46, "Mode 7", "模式7"}, Case{47, "LED Step:", "灯速:"},
        Case{79, "CPI 1:", "CPI 1:"}, Case{86, "AIM Key:", "瞄准键:"},
        Case{97, "Macro1 R:", "宏1 R:"}, Case{126, "Macro10 B:", "宏10 B:"},
        Case{127, "Fire Macro Y Offset", "压枪宏Y轴偏移"},
        Case{137, "Macro10 Y Offset:", "宏10 Y轴偏移:"}, Case{138, "Notes: ", "注释: "}}) {
    EXPECT_EQ(EngineerCaption(c.row, false), c.english) << c.row;
    EXPECT_EQ(EngineerCaption(c.row, true), c.chinese) << c.row;
  }
  for (int row = 0; row < kEngineerCaptionRows; ++row) {
    EXPECT_FALSE(EngineerCaption(row, false).empty()) << row;
    EXPECT_FALSE(EngineerCaption(row, true).empty()) << row;
  }
  EXPECT_EQ(EngineerCaption(139, false), "");
  EXPECT_TRUE(ChineseEngineerCaptions("zh_CN.UTF-8"));
  EXPECT_FALSE(ChineseEngineerCaptions("en_US.UTF-8"));
  EXPECT_FALSE(ChineseEngineerCaptions("zh_TW.UTF-8"));
  EXPECT_TRUE(ChineseEngineerCaptions(2052));
  EXPECT_FALSE(ChineseEngineerCaptions(1033));
}

}  // namespace
}  // namespace orvane::app
