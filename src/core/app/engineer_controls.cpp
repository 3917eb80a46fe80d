#include "core/app/engineer_controls.h"

#include <tuple>

namespace orvane::app {

namespace {

std::string N(int n) { return std::to_string(n); }

std::vector<std::string> Numbers(int first, int last) {
  std::vector<std::string> items;
  for (int n = first; n <= last; ++n)
    items.push_back(N(n));
  return items;
}

const std::vector<std::string> kDpiValues = {"500",  "800",  "1000", "1200", "1600", "2000",
                                             "2400", "3200", "4000", "4800", "6400", "8000"};

// Adds controls tab by tab and group by group, in each container's own
// coordinates.
class Builder {
 public:
  std::vector<EngineerControl> controls;

  EngineerControl& Add(const std::string& name, EngineerKind kind, Rect rect, int row = -1) {
    EngineerControl& c = controls.emplace_back();
    c.name = name;
    c.kind = kind;
    c.tab = tab_;
    c.group = group_;
    c.rect = rect;
    c.caption_row = row;
    return c;
  }
  EngineerControl& Group(const std::string& name, Rect rect, int row) {
    group_.clear();
    EngineerControl& c = Add(name, EngineerKind::kGroup, rect, row);
    group_ = name;
    return c;
  }
  void EndGroup() { group_.clear(); }
  void Tab(EngineerTab tab) {
    tab_ = tab;
    group_.clear();
  }
  // A caption and the control it names, on one line.
  EngineerControl& Labelled(const std::string& label, int row, int x, int y, int label_width,
                            const std::string& name, EngineerKind kind, int width) {
    Add(label, EngineerKind::kLabel, {x, y + 2, label_width, 20}, row);
    return Add(name, kind, {x + label_width + 4, y, width, 22});
  }
  // Two radios side by side.
  void Pair(const std::string& first, int first_row, const std::string& second, int second_row) {
    Add(first, EngineerKind::kRadio, {10, 22, 74, 22}, first_row);
    Add(second, EngineerKind::kRadio, {90, 22, 74, 22}, second_row);
  }

 private:
  EngineerTab tab_ = EngineerTab::kPage;
  std::string group_;
};

void AddKeysAndSwitches(Builder& b) {
  for (int mode = 1; mode <= 2; ++mode) {
    b.Group("gbKeyMode" + N(mode), {8 + 156 * (mode - 1), 6, 150, 244}, 87 + mode);
    for (int k = 1; k <= 9; ++k)
      b.Add("btn_Key" + N(100 * mode + k), EngineerKind::kKeyButton,
            {10, 20 + 24 * (k - 1), 130, 22});
  }
  b.EndGroup();
  b.Labelled("lbl_TLAIMKey", 86, 8, 256, 80, "cb_AIMKeyValue", EngineerKind::kCombo, 90).items = {
      kDpiValues.begin(), kDpiValues.end() - 1};
  b.Group("gbSwitchFn", {8, 282, 306, 92}, 57);
  b.Add("cb_MidPress", EngineerKind::kCheck, {10, 20, 280, 22}, 58);
  b.Add("cb_CPIPress", EngineerKind::kCheck, {10, 44, 280, 22}, 59);
  b.Add("cb_GunPress", EngineerKind::kCheck, {10, 68, 280, 22}, 60);
  b.Group("gbFireFn", {8, 380, 306, 50}, 24);
  b.Add("rb_FireFnOn", EngineerKind::kRadio, {10, 22, 140, 22}, 25);
  b.Add("rb_FireFnOff", EngineerKind::kRadio, {156, 22, 140, 22}, 26).checked = true;
  b.EndGroup();
  b.Labelled("lbl_KeyMode", 87, 8, 438, 80, "cb_KeyMode", EngineerKind::kCombo, 120).item_rows = {
      88, 89};
  EngineerControl& sensor =
      b.Labelled("lbl_SensorOri", 64, 8, 464, 80, "cb_SensorOri", EngineerKind::kCombo, 190);
  sensor.item_rows = {65, 66, 67, 68, 69, 70, 71, 72};
  sensor.locked = true;
  b.controls[b.controls.size() - 2].locked = true;  // lbl_SensorOri
}

void AddDpi(Builder& b) {
  b.Group("gbCPI", {322, 6, 300, 224}, 76);
  b.Labelled("lbl_CPIStep", 77, 10, 20, 80, "cb_CPIStep", EngineerKind::kCombo, 50).items =
      Numbers(2, 7);
  b.Labelled("lbl_CurrentCPI", 78, 150, 20, 86, "cb_CurrentCPI", EngineerKind::kCombo, 50);
  for (int n = 1; n <= 7; ++n) {
    b.Labelled("lbl_CPI" + N(n), 78 + n, 10, 48 + 24 * (n - 1), 80, "cb_CPI" + N(n),
               EngineerKind::kCombo, 90)
        .items = kDpiValues;
  }
  b.Group("gbMCULEDCPIColor", {322, 236, 300, 196}, 34);
  static constexpr const char* kParts[3] = {"R", "G", "B"};
  for (int n = 1; n <= 7; ++n) {
    for (int c = 0; c < 3; ++c) {
      const std::string part = kParts[c];
      EngineerControl& label = b.Add("lbl_CPI" + N(n) + part, EngineerKind::kLabel,
                                     {10 + 96 * c, 22 + 24 * (n - 1), 40, 20});
      label.text = (c == 0 ? N(n) + " " : std::string()) + part + ":";
      b.Add("edt_CPI" + N(n) + part, EngineerKind::kNumberEdit,
            {52 + 96 * c, 20 + 24 * (n - 1), 40, 22})
          .max_length = 3;
    }
  }
  b.EndGroup();
  b.Labelled("lbl_VendorID", 35, 322, 438, 80, "edt_VendorID", EngineerKind::kNumberEdit, 50);
  b.controls.back().text = "255";
  b.controls.back().max_length = 3;
  b.Labelled("lbl_ProductID", 36, 466, 438, 80, "edt_ProductID", EngineerKind::kNumberEdit, 50);
  b.controls.back().text = "255";
  b.controls.back().max_length = 3;
  EngineerControl& smooth = b.Add("cb_Smooth", EngineerKind::kCheck, {322, 464, 160, 22});
  smooth.text = "Smooth";
  smooth.checked = true;
}

void AddLighting(Builder& b) {
  b.Group("gbLEDType", {630, 6, 160, 120}, 15).locked = true;
  static constexpr const char* kTypes[4] = {"rb_MCULED", "rb_RBLED", "rb_SyncLED", "rb_BreLED"};
  for (int t = 0; t < 4; ++t)
    b.Add(kTypes[t], EngineerKind::kRadio, {10, 20 + 24 * t, 140, 22}, 16 + t).locked = true;
  b.Group("gbMCULEDControlMode", {630, 132, 160, 74}, 31);
  b.Add("rb_MCULED3Control", EngineerKind::kRadio, {10, 22, 140, 22}, 32);
  b.Add("rb_MCULED6Control", EngineerKind::kRadio, {10, 46, 140, 22}, 33);
  const struct {
    const char* group;
    int row;
    const char* on;
    int on_row;
    const char* off;
    int off_row;
  } kPairs[] = {{"gbLEDStatus", 20, "rb_LEDOn", 21, "rb_LEDOff", 22},
                {"gbB4CPI", 23, "rb_B4CPIOn", 21, "rb_B4CPIOff", 22},
                {"gbLCPI", 30, "rb_LCPIOn", 21, "rb_LCPIOff", 22},
                {"gbSaveKeyMode", 61, "rb_Save", 62, "rb_NoSave", 63}};
  for (int p = 0; p < 4; ++p) {
    b.Group(kPairs[p].group, {796, 6 + 54 * p, 170, 50}, kPairs[p].row);
    b.Pair(kPairs[p].on, kPairs[p].on_row, kPairs[p].off, kPairs[p].off_row);
  }
  b.Group("gbMCULEDCurrent", {630, 228, 336, 100}, 37);
  EngineerControl& count =
      b.Labelled("lbl_MCULEDNum", 38, 10, 20, 110, "edt_MCULEDNum", EngineerKind::kNumberEdit, 40);
  count.text = "13";
  count.max_length = 2;
  b.Add("lbl_MCULEDNumRange", EngineerKind::kLabel, {180, 22, 60, 20}).text = "(4~13)";
  b.Labelled("lbl_MCULEDCurrentMode", 39, 10, 46, 110, "cb_MCULEDCurrentMode", EngineerKind::kCombo,
             120)
      .item_rows = {40, 41, 42, 43, 44, 45, 46};
  b.Labelled("lbl_MCULEDCrtStep", 47, 10, 72, 110, "edt_MCULEDCrtStep", EngineerKind::kNumberEdit,
             40)
      .max_length = 1;
  b.Group("gbRBLEDMode", {630, 334, 336, 50}, 48);
  b.Labelled("lbl_RBLEDCurrentMode", 49, 10, 20, 110, "cb_RBLEDCurrentMode", EngineerKind::kCombo,
             190)
      .item_rows = {50, 51, 52, 53, 54, 55, 56};
  b.Group("gbFireMode", {630, 390, 336, 50}, 27);
  b.Labelled("lbl_FireCount", 28, 10, 20, 80, "cb_FireCount", EngineerKind::kCombo, 70).items =
      Numbers(1, 256);
  b.Labelled("lbl_FireTime", 29, 176, 20, 80, "edt_FireTime", EngineerKind::kNumberEdit, 60).text =
      "100";
  b.Group("gbKeys", {0, 0, 10, 10}, 73).never_shown = true;
  b.Add("rb_6Keys", EngineerKind::kRadio, {0, 0, 10, 10}, 74);
  b.Add("rb_9Keys", EngineerKind::kRadio, {0, 0, 10, 10}, 75).checked = true;
  b.EndGroup();
  b.Add("suiEdit1", EngineerKind::kBar, {0, 0, 976, 4});
}

void AddEngineerTab(Builder& b) {
  b.Tab(EngineerTab::kEngineer);
  for (const auto& [label, edit, row, x] :
       {std::tuple{"lbl_VendorID_Rd", "edt_VendorID_Rd", 35, 8},
        std::tuple{"lbl_ProductID_Rd", "edt_ProductID_Rd", 36, 160}}) {
    EngineerControl& read = b.Labelled(label, row, x, 8, 80, edit, EngineerKind::kNumberEdit, 50);
    read.text = "255";
    read.read_only = true;
    read.max_length = 3;
  }
  b.Group("gbGunParam", {8, 40, 306, 300}, 90);
  b.Add("LB_ScriptName", EngineerKind::kList, {10, 20, 140, 200});
  b.Add("lbl_SOSStartIndex", EngineerKind::kLabel, {160, 22, 140, 20}, 91);
  b.Add("cb_SOSStartIndex", EngineerKind::kCombo, {160, 44, 80, 22}).items = Numbers(1, 10);
  b.Add("lbl_SOSNumber", EngineerKind::kLabel, {160, 72, 140, 20}, 92);
  b.Add("cb_SOSNumber", EngineerKind::kCombo, {160, 94, 80, 22}).items = Numbers(1, 10);
  b.Add("btn_AddScript", EngineerKind::kButton, {160, 130, 120, 26}, 93);
  b.Add("btn_DelScript", EngineerKind::kButton, {160, 162, 120, 26}, 94);
  b.Group("gbMCULEDMode", {8, 346, 306, 124}, 95);
  for (int k = 1; k <= 7; ++k) {
    b.Add("cb_Mode" + N(k), EngineerKind::kCheck,
          {k <= 4 ? 10 : 156, 20 + 24 * ((k - 1) % 4), 140, 22}, 39 + k);
  }
  b.Group("gbFireMacroColor", {322, 8, 360, 276}, 96);
  static constexpr const char* kParts[3] = {"R", "G", "B"};
  for (int m = 1; m <= 10; ++m) {
    for (int c = 0; c < 3; ++c) {
      const int y = 20 + 25 * (m - 1);
      b.Add("lbl_FireMacroColor" + N(m) + kParts[c], EngineerKind::kLabel,
            {6 + 115 * c, y + 2, 70, 20}, 97 + 3 * (m - 1) + c);
      b.Add("edt_FireMacroColor" + N(m) + kParts[c], EngineerKind::kNumberEdit,
            {78 + 115 * c, y, 36, 22})
          .max_length = 3;
    }
  }
  b.Group("gbFireMacroYOffset", {690, 8, 280, 276}, 127);
  for (int m = 1; m <= 10; ++m) {
    b.Labelled("lbl_YOffset" + N(m), 127 + m, 10, 20 + 25 * (m - 1), 150, "edt_YOffset" + N(m),
               EngineerKind::kEdit, 60);
  }
  b.EndGroup();
  b.Add("lbl_Notes", EngineerKind::kLabel, {322, 296, 640, 20}, 138);
}

void AddPageButtons(Builder& b) {
  b.Tab(EngineerTab::kPage);
  static constexpr const char* kPages[5] = {"Btn_Main_6", "Btn_Second_6", "Btn_Adv_6",
                                            "Btn_Breath_6", "Btn_Macro_6"};
  for (int p = 0; p < 5; ++p)
    b.Add(kPages[p], EngineerKind::kButton, {8 + 114 * p, 566, 110, 26}, p);
  b.Add("Btn_Load_6", EngineerKind::kButton, {600, 566, 90, 26}, 6);
  b.Add("Btn_Save_6", EngineerKind::kButton, {696, 566, 90, 26}, 7);
  b.Add("Btn_Default", EngineerKind::kButton, {792, 566, 90, 26}, 9).shown_by_unlock = true;
  b.Add("btn_Write", EngineerKind::kButton, {888, 566, 100, 26}, 10);
  b.Add("Btn_ImportBaseMacro", EngineerKind::kButton, {560, 8, 140, 26}, 11);
  b.Add("Btn_ImportGunMacro", EngineerKind::kButton, {706, 8, 140, 26}, 12).shown_by_unlock = true;
}

std::vector<EngineerControl> Build() {
  Builder b;
  b.Tab(EngineerTab::kOperation);
  AddKeysAndSwitches(b);
  AddDpi(b);
  AddLighting(b);
  AddEngineerTab(b);
  AddPageButtons(b);
  return std::move(b.controls);
}

}  // namespace

const std::vector<EngineerControl>& EngineerControls() {
  static const std::vector<EngineerControl> controls = Build();
  return controls;
}

}  // namespace orvane::app
