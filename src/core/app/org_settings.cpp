#include "core/app/org_settings.h"

#include <algorithm>

namespace orvane::app {

const std::vector<std::string>& OrgKeys() {
  static const std::vector<std::string> keys = {
      "Web_Enable", "Web",      "Web_X",     "Web_Y",     "Rev_Manu_ID",
      "Rev_Pro_ID", "Path",     "TR_Enable", "GD_Enable", "DPILED_Status",
      "Gun6_Num",   "Gun7_Num", "Num_Order", "Ap_Mode",   "DPI_Count"};
  return keys;
}

OrgSettings ReadOrgSettings(const IniTable& table) {
  const auto number = [&](const char* key) { return table.Integer("org", key); };
  OrgSettings settings;
  settings.web_enable = number("Web_Enable") == 1;
  settings.web = table.Value("org", "Web").value_or("");
  settings.web_x = number("Web_X");
  settings.web_y = number("Web_Y");
  settings.reserve_maker_id = number("Rev_Manu_ID");
  settings.reserve_product_id = number("Rev_Pro_ID");
  settings.path = table.Value("org", "Path").value_or("");
  settings.tr_enable = number("TR_Enable") == 1;
  settings.ap_mode = number("Ap_Mode");
  settings.gd_enable = number("GD_Enable") == 1 && settings.ap_mode != 1;
  settings.dpiled_status = number("DPILED_Status");
  settings.gun6_num = std::clamp(number("Gun6_Num"), 1, 2);
  settings.gun7_num = std::clamp(number("Gun7_Num"), 1, 3);
  settings.num_order = std::clamp(number("Num_Order"), 0, 1);
  settings.dpi_count = number("DPI_Count");
  return settings;
}

}  // namespace orvane::app
