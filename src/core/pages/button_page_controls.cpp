#include "core/pages/button_page_controls.h"

#include <algorithm>

namespace orvane::pages {

std::string KeyLabelName(int k) { return "Key" + std::to_string(k); }
std::string KeyPictureName(int k) { return "Img_Key" + std::to_string(k); }
std::string EngineerKeyName(int number) { return "btn_Key" + std::to_string(number); }

MouseSpot MouseButtonSpot(int k) {
  // Left, middle (the wheel), right, the two side buttons, DPI behind the
  // wheel, and the three keys on the top.
  static constexpr MouseSpot kSpots[9] = {{0.30, 0.28}, {0.50, 0.255}, {0.70, 0.28},
                                          {0.07, 0.54}, {0.07, 0.67},  {0.50, 0.50},
                                          {0.50, 0.62}, {0.32, 0.47},  {0.68, 0.47}};
  return kSpots[std::clamp(k, 1, 9) - 1];
}

std::vector<std::string> ButtonPageControlNames() {
  std::vector<std::string> names;
  for (int k = 1; k <= 9; ++k) {
    names.push_back(KeyLabelName(k));
    names.push_back(KeyPictureName(k));
    names.push_back(EngineerKeyName(100 + k));
    names.push_back(EngineerKeyName(200 + k));
  }
  for (int k = 1; k <= 3; ++k) {
    names.push_back("IB_ComboKey" + std::to_string(k));
    names.push_back("Img_ComboKey" + std::to_string(k));
  }
  for (const char* name :
       {"cb_MidPress", "cb_CPIPress", "cb_GunPress", "cb_AIMKeyValue", "lbl_AIMKeyValue", "LB_Name",
        "LB_Script", "Pg_Parameter", "gbKeyMode1", "gbKeyMode2"}) {
    names.emplace_back(name);
  }
  return names;
}

}  // namespace orvane::pages
