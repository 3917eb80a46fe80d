#include "core/app/layout_keys.h"

#include <algorithm>

#include "core/app/page_controls.h"
#include "core/resources/resources.h"

namespace orvane::app {

namespace {

void AddPair(std::vector<std::string>& keys, const std::string& name) {
  for (const char* suffix : {"_Enable", "_X", "_Y"})
    keys.push_back(name + suffix);
}

void AddColour(std::vector<std::string>& keys, const std::string& name) {
  for (const char* part : {"_R", "_G", "_B"})
    keys.push_back(name + part);
}

std::vector<std::string> BuildKeys() {
  std::vector<std::string> keys = {"Size_A",     "Size_B",     "Btn_Space_F",    "Btn_Space_B",
                                   "Size_C",     "P1_X",       "P1_Y",           "Key_Width",
                                   "ComboKey_D", "ComboKey_H", "Size_G",         "M_L_W",
                                   "SP_L_W",     "O_L_W",      "MacroNameHeight"};
  for (const char* colour :
       {"Color_A", "Color_B", "Color_C", "Color_G", "Color_G_Back", "Color_G_SP", "Color_MACRO"}) {
    AddColour(keys, colour);
  }
  for (int a = 1; a <= 8; ++a)
    AddPair(keys, "Btn_A" + std::to_string(a));
  for (int b : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11})
    AddPair(keys, "Btn_B" + std::to_string(b));
  for (int k = 1; k <= 9; ++k)
    AddPair(keys, "Key" + std::to_string(k));
  for (int c = 1; c <= 3; ++c)
    AddPair(keys, "ComboKey" + std::to_string(c));
  for (const std::string& key : PageControlLayoutKeys()) {
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  }
  return keys;
}

}  // namespace

const std::vector<std::string>& LayoutKeys() {
  static const std::vector<std::string> keys = BuildKeys();
  return keys;
}

std::string EmbeddedText(const std::string& name) {
  const auto bytes = resources::FindResource(name);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

}  // namespace orvane::app
