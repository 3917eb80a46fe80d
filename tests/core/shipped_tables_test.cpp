#include <gtest/gtest.h>

#include "core/app/engineer_captions.h"
#include "core/app/ini_table.h"
#include "core/app/language_table.h"
#include "core/app/layout_keys.h"
#include "core/app/org_settings.h"
#include "core/resources/resources.h"

namespace orvane::app {
namespace {

LanguageTable Shipped(int n) {
  const std::string name = "lang" + std::to_string(n);
  const auto bytes = resources::FindResource(name);
  EXPECT_TRUE(bytes) << name;
  return bytes ? LanguageTable::Parse(name, *bytes) : LanguageTable();
}

TEST(ShippedTables, ProductSettingsAsShipped) {
  const IniTable table = IniTable::Parse(EmbeddedText("org"));
  for (const std::string& key : OrgKeys())
    EXPECT_TRUE(table.Has("org", key)) << key;
  const OrgSettings settings = ReadOrgSettings(table);
  EXPECT_FALSE(settings.web_enable);
  EXPECT_FALSE(settings.tr_enable);
  EXPECT_FALSE(settings.gd_enable);
  EXPECT_EQ(settings.dpiled_status, 1);
  EXPECT_EQ(settings.gun6_num, 2);
  EXPECT_EQ(settings.gun7_num, 3);
  EXPECT_EQ(settings.num_order, 0);
  EXPECT_EQ(settings.ap_mode, 0);
  EXPECT_EQ(settings.dpi_count, 11);
  EXPECT_EQ(settings.reserve_maker_id, 0);
  EXPECT_EQ(settings.reserve_product_id, 0);
  EXPECT_EQ(settings.path, "");
}

TEST(ShippedTables, EveryLayoutHasEveryKeyTheProgramReads) {
  for (int n = 1; n <= 3; ++n) {
    const std::string name = "org" + std::to_string(n);
    const IniTable table = IniTable::Parse(EmbeddedText(name));
    for (const std::string& key : LayoutKeys()) {
      const auto value = table.Value(name, key);
      ASSERT_TRUE(value) << name << " lacks " << key;
      EXPECT_TRUE(!value->empty() && value->find_first_not_of("-0123456789") == std::string::npos)
          << name << " " << key << " is not a number: " << *value;
    }
  }
}

TEST(ShippedTables, LanguageTablesHoldTheirKeys) {
  const std::array<LanguageTable, 3> tables = {Shipped(1), Shipped(2), Shipped(3)};
  EXPECT_EQ(tables[0].size(), 206u);
  EXPECT_EQ(tables[1].size(), 203u);
  EXPECT_EQ(tables[2].size(), 202u);
  EXPECT_EQ(tables[0].Text("Str100"), "Please Connect the USB Device");
  EXPECT_EQ(tables[0].Text("Str109"), "Fail");
  EXPECT_EQ(tables[0].Text("Str210"), "Left Click");
  EXPECT_EQ(tables[0].Text("Str858"), "Fast");
  EXPECT_EQ(tables[1].Text("Str004"), "Office Mode");
  EXPECT_EQ(tables[2].Text("Str210"), "左键");
  EXPECT_FALSE(tables[2].Has("Str311"));
  for (const auto& table : tables) {
    EXPECT_FALSE(table.Text("FontName").empty());
    EXPECT_FALSE(table.Text("Title").empty());
    for (int key = 200; key <= 266; ++key) {
      const std::string name = "Str" + std::to_string(key);
      if (tables[0].Has(name)) {
        EXPECT_TRUE(table.Has(name)) << table.Name() << " " << name;
      }
    }
  }
  // A key label's caption translates through the tables.
  EXPECT_EQ(FindTextKey("Left Click", tables), "Str210");
  EXPECT_EQ(tables[1].Text(FindTextKey("Left Click", tables)), "Left Click");
}

}  // namespace
}  // namespace orvane::app
