#pragma once

#include <string>
#include <vector>

// The button menu's panels: the key menu and its sub-menus, 24 pixels a row.
namespace orvane::app {

struct KeyMenuItem {
  std::string name;  // "Key_Left"
  int tag = 0;       // the item's menu tag; 0 for one without
  std::string caption;
  bool group = false;  // opens a sub-menu; carries ">>" at its right end
  int top = 0;         // pixel row in its panel
};

struct KeyMenuPanel {
  std::string name;  // "Pnl_MseKey"
  int height = 0;
  std::vector<KeyMenuItem> items;
};

constexpr int kKeyMenuRowHeight = 24;

// Pnl_Main first, then the sub-menus.
const std::vector<KeyMenuPanel>& KeyMenuPanels();

}  // namespace orvane::app
