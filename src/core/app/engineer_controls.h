#pragma once

#include <string>
#include <vector>

#include "core/app/layout_rules.h"

// The engineer page's plain controls: which tab and group hold each, where it
// sits and which row of the engineer caption table captions it.
namespace orvane::app {

enum class EngineerKind {
  kGroup,
  kLabel,
  kRadio,
  kCheck,
  kCombo,
  kEdit,        // free text
  kNumberEdit,  // digits only
  kButton,
  kKeyButton,  // a key button in the skin's key picture, opening the key menu
  kList,
  kBar,  // a thin coloured bar without function
};

enum class EngineerTab { kPage, kOperation, kEngineer };

// The page control that holds the two tabs.
constexpr const char* kEngineerTabsName = "Pg_Parameter";

struct EngineerControl {
  std::string name;
  EngineerKind kind = EngineerKind::kLabel;
  EngineerTab tab = EngineerTab::kOperation;
  std::string group;  // the group that holds it; empty: the tab or page
  Rect rect;          // in its group, tab or page
  int caption_row = -1;
  std::string text;                // caption or initial text when no row captions it
  std::vector<int> item_rows;      // combo items from caption rows
  std::vector<std::string> items;  // or fixed combo items
  bool checked = false;
  bool never_shown = false;      // hidden state with no place on screen
  bool locked = false;           // disabled until the engineer unlock
  bool shown_by_unlock = false;  // hidden until the engineer unlock
  bool read_only = false;
  int max_length = 0;  // 0: no limit
};

const std::vector<EngineerControl>& EngineerControls();

}  // namespace orvane::app
