#include "core/pages/performance_controls.h"

namespace orvane::pages {

namespace {

std::string N(int n) { return std::to_string(n); }

void Add(std::vector<std::string>& names, std::initializer_list<const char*> more) {
  for (const char* name : more)
    names.emplace_back(name);
}

}  // namespace

std::vector<std::string> DpiPageControlNames() {
  std::vector<std::string> names;
  Add(names, {"cbb_DPICount", "cb_CPIStep", "cb_CurrentCPI", "slider_DPI8"});
  for (int n = 1; n <= 7; ++n) {
    const std::string level = "DPI" + N(n);
    for (const char* stem : {"Img_", "lbl_", "slider_", "rb_"})
      names.push_back(stem + level);
    for (const char* part : {"Value", "Col"})
      names.push_back("lbl_" + level + std::string(part));
    names.push_back("cs_" + level + "Col");
    names.push_back("Img_" + level + "Col");
    for (int bar = 1; bar <= 11; ++bar)
      names.push_back("Img_" + level + "_" + N(bar));
    names.push_back("cb_CPI" + N(n));
    names.push_back("lbl_CPI" + N(n));
    for (const char* channel : {"R", "G", "B"}) {
      names.push_back("edt_CPI" + N(n) + channel);
      names.push_back("lbl_CPI" + N(n) + channel);
    }
  }
  return names;
}

std::vector<std::string> LightingPageControlNames() {
  std::vector<std::string> names;
  for (const char* stem : {"LEDOn", "LEDOff", "B4CPIOn", "B4CPIOff", "LCPIOn", "LCPIOff",
                           "MCULED3Control", "MCULED6Control"}) {
    names.push_back(std::string("Img_") + stem);
    names.push_back(std::string("lbl_") + stem);
    names.push_back(std::string("rb_") + stem);
  }
  Add(names, {"Img_SaveKeyMode",
              "Img_NoSaveKeyMode",
              "lbl_SaveKeyMode",
              "lbl_NoSaveKeyMode",
              "rb_Save",
              "rb_NoSave",
              "cb_KeyMode",
              "rb_MCULED",
              "rb_RBLED",
              "rb_SyncLED",
              "rb_BreLED",
              "cb_MCULEDCurrentMode",
              "cb_RBLEDCurrentMode",
              "edt_MCULEDNum",
              "edt_MCULEDCrtStep",
              "slider_Breath_Speed",
              "gbRBLEDMode",
              "gbLCPI",
              "gbMCULEDControlMode",
              "gbMCULEDCurrent",
              "gbMCULEDCPIColor",
              "lbl_LED_Effect_Setting",
              "lbl_LED_Effect_Slow",
              "lbl_LED_Effect_Fast"});
  for (int k = 1; k <= 7; ++k) {
    for (const char* stem :
         {"cb_Mode", "lbl_MCULEDMode", "Img_MCULEDMode", "lbl_RBLEDMode", "Img_RBLEDMode"})
      names.push_back(stem + N(k));
  }
  for (int k = 1; k <= 10; ++k) {
    names.push_back("Img_MCULEDNum_" + N(k));
    names.push_back("lbl_MCULEDNum_" + N(k));
  }
  for (int s = 1; s <= 8; ++s) {
    names.push_back("Img_MCULEDStep_" + N(s));
    names.push_back("lbl_MCULEDStep_" + N(s));
  }
  return names;
}

}  // namespace orvane::pages
