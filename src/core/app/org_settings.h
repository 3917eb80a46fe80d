#pragma once

#include <string>

#include "core/app/ini_table.h"

namespace orvane::app {

// The product switches of the embedded [org] table, read once at start.
struct OrgSettings {
  bool web_enable = false;
  std::string web;
  int web_x = 0;
  int web_y = 0;
  int reserve_maker_id = 0;
  int reserve_product_id = 0;
  std::string path;  // MacroPath
  bool tr_enable = false;
  bool gd_enable = false;
  int dpiled_status = 1;
  int gun6_num = 2;
  int gun7_num = 3;
  int num_order = 0;
  int ap_mode = 0;
  int dpi_count = 11;

  // EEPROM mode for application modes 0 and 2.
  bool EepromMode() const { return ap_mode != 1; }
};

// ReadOrgSettings: the values clamped as the program uses them; application
// mode 1 switches GD_Enable off.
OrgSettings ReadOrgSettings(const IniTable& table);

// The keys ReadOrgSettings asks for.
const std::vector<std::string>& OrgKeys();

}  // namespace orvane::app
