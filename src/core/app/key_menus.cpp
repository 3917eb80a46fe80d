#include "core/app/key_menus.h"

#include "core/config/action_codes.h"

namespace orvane::app {

namespace {

KeyMenuItem Group(const char* name, int tag, const char* caption) {
  return {name, tag, caption, true};
}

// A function item, named as the action code tables name it.
KeyMenuItem Function(const char* name, int tag) {
  return {name, tag, config::MenuItemNameKey(tag), false};
}

std::vector<KeyMenuPanel> Build() {
  return {
      {"Pnl_Main",
       170,
       {Group("Key_Standard", 1, "Str201"),
        Group("Key_Special", 2, "Str202"),
        Group("Key_Media", 3, "Str203"),
        Group("Key_WWW", 4, "Str204"),
        Group("Key_MyPC", 5, "Str207"),
        {"Key_Assembly", 0, "Str205", false},
        Group("Key_Macro", 7, "Str206"),
        {"Key_FireMacro", 11, "Str208", false},
        // Row 8 again, for the menu opened from an engineer key button.
        Group("Key_TLFireMacro", 13, "Str208")}},
      {"Pnl_MseKey",
       122,
       {Function("Key_Left", 900), Function("Key_Right", 901), Function("Key_Middle", 902),
        Function("Key_B4", 903), Function("Key_B5", 904)}},
      {"Pnl_Special",
       170,
       {Group("Key_CPIKey", 6, "Str230"), Function("Key_Fire", 1000), Function("Key_AIMKey", 1002),
        Function("Key_LEDMode", 1006), Function("Key_LEDSwitch", 1001),
        Function("Key_KeyMode", 1005), Function("Key_KeyOff", 1004), Function("Key_FnFire", 1003)}},
      {"Pnl_CPIKey",
       74,
       {Function("Key_CPI", 2000), Function("Key_CPII", 2001), Function("Key_CPID", 2002)}},
      {"Pnl_Media",
       170,
       {Function("Key_PlayPause", 1300), Function("Key_Stop", 1301),
        Function("Key_PreviousTrack", 1302), Function("Key_NextTrack", 1303),
        Function("Key_VolumePlus", 1304), Function("Key_VolumeMinus", 1305),
        Function("Key_Mute", 1306)}},
      {"Pnl_WWW",
       170,
       {Function("Key_WWWHome", 1400), Function("Key_WWWSearch", 1401),
        Function("Key_WWWBack", 1402), Function("Key_WWWForward", 1403),
        Function("Key_WWWStop", 1404), Function("Key_WWWRefresh", 1405),
        Function("Key_WWWFavorites", 1406)}},
      // E-Mail lies below the panel's three visible rows and is never seen.
      {"Pnl_MyPC",
       74,
       {Function("Key_Computer", 1100), Function("Key_Calculator", 1101),
        Function("Key_Desktop", 1103), Function("Key_EMail", 1102)}},
  };
}

}  // namespace

const std::vector<KeyMenuPanel>& KeyMenuPanels() {
  static const std::vector<KeyMenuPanel> panels = [] {
    std::vector<KeyMenuPanel> built = Build();
    for (KeyMenuPanel& panel : built) {
      for (size_t row = 0; row < panel.items.size(); ++row)
        panel.items[row].top = 1 + kKeyMenuRowHeight * static_cast<int>(row);
    }
    built.front().items.back().top = built.front().items[7].top;  // Key_TLFireMacro
    built.back().items.back().top = 173;                          // Key_EMail
    return built;
  }();
  return panels;
}

}  // namespace orvane::app
