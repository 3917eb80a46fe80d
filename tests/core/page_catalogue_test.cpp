#include <gtest/gtest.h>

#include <set>

#include "core/app/engineer_captions.h"
#include "core/app/engineer_controls.h"
#include "core/app/key_menus.h"
#include "core/app/language_table.h"
#include "core/app/page_controls.h"
#include "core/pages/button_page_controls.h"
#include "core/pages/fire_page_controls.h"
#include "core/pages/macro_page_controls.h"
#include "core/pages/performance_controls.h"
#include "core/resources/resources.h"

namespace orvane::app {
namespace {

LanguageTable Shipped(int n) {
  const std::string name = "lang" + std::to_string(n);
  return LanguageTable::Parse(name, *resources::FindResource(name));
}

// Every control a page binder names is one the window builds: from the
// catalogues, or the key labels the window lays out itself. A name missing
// here would make the window fail at start-up.
TEST(PageCatalogue, EveryNameABinderUsesIsBuilt) {
  std::set<std::string> built = {kEngineerTabsName};
  for (const PageControl& control : PageControls())
    built.insert(control.name);
  for (const EngineerControl& control : EngineerControls())
    built.insert(control.name);
  for (const KeyMenuPanel& panel : KeyMenuPanels()) {
    built.insert(panel.name);
    for (const KeyMenuItem& item : panel.items)
      built.insert(item.name);
  }
  for (int k = 1; k <= 9; ++k) {
    built.insert(pages::KeyLabelName(k));
    built.insert(pages::KeyPictureName(k));
  }
  for (const auto& names : {pages::ButtonPageControlNames(), pages::DpiPageControlNames(),
                            pages::LightingPageControlNames(), pages::MacroPageControlNames(),
                            pages::FirePageControlNames()}) {
    for (const std::string& name : names)
      EXPECT_TRUE(built.count(name)) << name;
  }
}

// The window finds controls by name and builds a group before what it holds.
TEST(PageCatalogue, NamesAreUniqueAndGroupsComeFirst) {
  std::set<std::string> names;
  for (const PageControl& control : PageControls()) {
    EXPECT_TRUE(control.group.empty() || names.count(control.group)) << control.name;
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
  }
  for (const EngineerControl& control : EngineerControls()) {
    EXPECT_TRUE(control.group.empty() || names.count(control.group)) << control.name;
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
  }
  for (const KeyMenuPanel& panel : KeyMenuPanels()) {
    EXPECT_TRUE(names.insert(panel.name).second) << panel.name;
    for (const KeyMenuItem& item : panel.items)
      EXPECT_TRUE(names.insert(item.name).second) << item.name;
  }
}

// Every caption the pages ask for is in the language tables; tables 2 and 3
// have no breathing-speed texts, so those three captions stay empty there.
TEST(PageCatalogue, CaptionKeysAreInTheLanguageTables) {
  std::set<std::string> keys;
  for (const PageControl& control : PageControls()) {
    for (const std::string& key : control.items)
      keys.insert(key);
    keys.insert(control.caption);
  }
  for (const KeyMenuPanel& panel : KeyMenuPanels()) {
    for (const KeyMenuItem& item : panel.items) {
      EXPECT_FALSE(item.caption.empty()) << item.name;
      keys.insert(item.caption);
    }
  }
  const std::set<std::string> only_in_table_1 = {"Str856", "Str857", "Str858"};
  for (int n = 1; n <= 3; ++n) {
    const LanguageTable table = Shipped(n);
    for (const std::string& key : keys) {
      if (key.empty() || key[0] == '=' || (n > 1 && only_in_table_1.count(key))) continue;
      EXPECT_FALSE(table.Text(key).empty()) << "lang" << n << " " << key;
    }
  }
}

// The engineer page's captions come from its own table: every row captions
// something, except row 8 (a test button this page does not have). Rows 5,
// 13 and 14 caption the title and the two tabs.
TEST(PageCatalogue, EngineerRowsAllCaptionSomething) {
  std::set<int> rows = {5, 13, 14};
  for (const EngineerControl& control : EngineerControls()) {
    EXPECT_LT(control.caption_row, kEngineerCaptionRows) << control.name;
    if (control.caption_row >= 0) rows.insert(control.caption_row);
    rows.insert(control.item_rows.begin(), control.item_rows.end());
    EXPECT_TRUE(control.caption_row >= 0 || !control.text.empty() ||
                control.kind != EngineerKind::kLabel)
        << control.name << " has no caption";
  }
  for (int row = 0; row < kEngineerCaptionRows; ++row)
    EXPECT_EQ(rows.count(row) == 1, row != 8) << "row " << row;
}

TEST(PageCatalogue, KeyMenusAsTheButtonPageOffersThem) {
  std::vector<std::pair<std::string, int>> heights;
  for (const KeyMenuPanel& panel : KeyMenuPanels())
    heights.emplace_back(panel.name, panel.height);
  const std::vector<std::pair<std::string, int>> expected = {
      {"Pnl_Main", 170},  {"Pnl_MseKey", 122}, {"Pnl_Special", 170}, {"Pnl_CPIKey", 74},
      {"Pnl_Media", 170}, {"Pnl_WWW", 170},    {"Pnl_MyPC", 74}};
  EXPECT_EQ(heights, expected);
  const KeyMenuPanel& main = KeyMenuPanels().front();
  // Row 8 holds the page labels' and the engineer buttons' fire-macro entries.
  EXPECT_EQ(main.items[7].name, "Key_FireMacro");
  EXPECT_EQ(main.items[8].name, "Key_TLFireMacro");
  EXPECT_EQ(main.items[7].top, 1 + 7 * kKeyMenuRowHeight);
  EXPECT_EQ(main.items[8].top, main.items[7].top);
  const KeyMenuPanel& special = KeyMenuPanels()[2];
  EXPECT_EQ(special.items[1].caption, "Str220");            // Fire Key, by the action code tables
  EXPECT_EQ(KeyMenuPanels().back().items.back().top, 173);  // E-Mail, never seen
}

}  // namespace
}  // namespace orvane::app
