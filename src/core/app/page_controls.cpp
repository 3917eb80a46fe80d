#include "core/app/page_controls.h"

#include <set>
#include <tuple>

namespace orvane::app {

namespace {

std::string N(int n) { return std::to_string(n); }
std::string Key(int first, int offset) { return "Str" + N(first + offset); }

// Builds the catalogue page by page; each helper adds one kind of control
// with the family's colour and size keys.
class Catalogue {
 public:
  std::vector<PageControl> controls;

  PageControl& Add(int page, const std::string& name, ControlKind kind, const std::string& place,
                   int dx = 0, int dy = 0) {
    PageControl& c = controls.emplace_back();
    c.page = page;
    c.name = name;
    c.kind = kind;
    c.place = place;
    c.dx = dx;
    c.dy = dy;
    c.colour = colour_;
    c.size = size_;
    c.group = group_;
    return c;
  }
  // A caption placed, coloured and sized by its own <stem>_X/_Y/_R/_G/_B/
  // _Size/_Width keys.
  PageControl& Caption(int page, const std::string& name, const std::string& stem,
                       const std::string& caption) {
    PageControl& c = Add(page, name, ControlKind::kText, stem);
    c.caption = caption;
    c.colour = stem;
    c.size = stem + "_Size";
    c.text_width = true;
    c.height = 22;
    return c;
  }
  // A caption beside a control, in the family's colour and size.
  PageControl& Beside(int page, const std::string& name, const std::string& place, int dx, int dy,
                      int width, const std::string& caption) {
    PageControl& c = Add(page, name, ControlKind::kText, place, dx, dy);
    c.width = width;
    c.height = 22;
    c.caption = caption;
    return c;
  }
  PageControl& Lamp(int page, const std::string& name, const std::string& place,
                    const std::string& family, int dx = 0, int dy = 0) {
    PageControl& c = Add(page, name, ControlKind::kLamp, place, dx, dy);
    c.picture = family;
    return c;
  }
  PageControl& Click(int page, const std::string& name, const std::string& place, int dx, int dy,
                     int width, int height, const std::string& caption = "") {
    PageControl& c = Add(page, name, ControlKind::kClickLabel, place, dx, dy);
    c.width = width;
    c.height = height;
    c.caption = caption;
    return c;
  }
  PageControl& Sized(int page, const std::string& name, ControlKind kind, const std::string& place,
                     int dx, int dy, int width, int height) {
    PageControl& c = Add(page, name, kind, place, dx, dy);
    c.width = width;
    c.height = height;
    return c;
  }
  PageControl& Button(int page, const std::string& name, const std::string& place,
                      const std::string& family, const std::string& caption) {
    PageControl& c = Add(page, name, ControlKind::kButton, place);
    c.picture = family;
    c.caption = caption;
    return c;
  }
  PageControl& Hidden(int page, const std::string& name) {
    PageControl& c = Add(page, name, ControlKind::kHidden, "");
    c.shown = Shown::kHiddenAtStart;
    return c;
  }
  void Family(const std::string& colour, const std::string& size) {
    colour_ = colour;
    size_ = size;
  }
  void Group(const std::string& group) { group_ = group; }

 private:
  std::string colour_;
  std::string size_;
  std::string group_;
};

// Page 1: the profile-switch options under the key labels.
void AddMainPage(Catalogue& c) {
  c.Family("Color_C", "Size_C");
  for (int k = 1; k <= 3; ++k) {
    PageControl& lamp = c.Lamp(1, "Img_ComboKey" + N(k), "ComboKey" + N(k), "CbS");
    lamp.enable_key = true;
    PageControl& label =
        c.Click(1, "IB_ComboKey" + N(k), "ComboKey" + N(k), 0, -2, 480, 22, Key(700, k - 1));
    label.enable_key = true;
    label.step = "ComboKey_D";  // the caption starts ComboKey_D right of the lamp
    label.index = 1;
    label.size_offset = -1;
  }
}

// A ruler slider with its eleven number labels, spaced <stem>_D apart.
void AddRulerRow(Catalogue& c, const std::string& slider, const std::string& stem,
                 const std::string& labels) {
  c.Sized(2, slider, ControlKind::kSlider, stem, 0, 0, 272, 20);
  for (int i = 1; i <= 11; ++i) {
    PageControl& label = c.Beside(2, labels + N(i), stem, 0, 22, 24, "=" + N(i));
    label.step = stem + "_D";
    label.index = i - 1;
  }
}

// An on/off pointer setting: its lamp, the click label over it, its caption
// and the hidden check box that holds the state.
void AddPointerToggle(Catalogue& c, const std::string& stem, const std::string& caption_name,
                      const std::string& caption_stem, const std::string& caption) {
  c.Lamp(2, "Img_" + stem, stem, "CbS");
  c.Click(2, "lbl_" + stem, stem, 0, 0, 18, 18);
  c.Caption(2, caption_name, caption_stem, caption);
  c.Hidden(2, "cb_" + stem);
}

void AddFireKeyAndPointer(Catalogue& c) {
  c.Caption(2, "lbl_Fire_Key", "Fire_Key_Lable", "Str800");
  c.Caption(2, "lbl_Fire_Repeat", "Fire_Repeat_Lable", "Str801");
  c.Sized(2, "Edt_Repeat1", ControlKind::kEdit, "FKCnt", 0, 0, 60, 22).caption = "=2";
  c.Caption(2, "lbl_Fire_Interval", "Fire_Interval_Lable", "Str802");
  c.Sized(2, "Edt_DelayTime1", ControlKind::kEdit, "FKDelay", 0, 0, 60, 22).caption = "=16";
  c.Lamp(2, "Img_FireContinue", "IsFireContinue", "CbS");
  c.Click(2, "lbl_FireContinue", "IsFireContinue", 24, -2, 200, 22, "Str803");
  c.Hidden(2, "cb_IsFireContinue");
  c.Caption(2, "lbl_Mouse_Speed", "Mouse_Speed_Lable", "Str804");
  AddRulerRow(c, "slider_Spd", "Spd", "lbl_Spd");
  AddPointerToggle(c, "IsControl", "lbl_Is_Control", "Is_Control_Lable", "Str805");
  c.Caption(2, "lbl_Double_Click", "Double_Click_Lable", "Str806");
  AddRulerRow(c, "slider_DbSpd", "DbSpd", "lbl_DbSpd");
  c.Caption(2, "lbl_Roller_Speed", "Roller_Speed_Lable", "Str807");
  AddRulerRow(c, "slider_SrcSpd", "ScrSpd", "lbl_ScrSpd");
  AddPointerToggle(c, "IsScreen", "lbl_Roll_All_Screen", "Roll_All_Screen_Lable", "Str808");
  // Which pointer settings this desktop keeps without putting them in force.
  PageControl& note = c.Sized(2, "lbl_PointerNote", ControlKind::kText, "IsScreen", 0, 21, 330, 16);
  note.colour = "Roll_All_Screen_Lable";
  note.size = "Roll_All_Screen_Lable_Size";
  note.size_offset = -2;
}

void AddDpiLevels(Catalogue& c) {
  c.Caption(2, "lbl_DPI_Setting", "DPI_Setting_Lable", "Str809");
  c.Caption(2, "lbl_DPI_Value", "DPI_Value_Lable", "Str810");
  c.Caption(2, "lbl_DPI_Note", "DPI_Note_Lable", "Str811");
  PageControl& count = c.Sized(2, "cbb_DPICount", ControlKind::kCombo, "DPI_Count", 0, 0, 56, 22);
  for (int n = 2; n <= 7; ++n)
    count.items.push_back("=" + N(n));
  for (int n = 1; n <= 7; ++n) {
    const std::string level = "DPI" + N(n);
    c.Lamp(2, "Img_" + level, level + "_Check", "CbS");
    PageControl& name = c.Add(2, "lbl_" + level, ControlKind::kText, level);
    name.width = 50;
    name.height = 22;
    name.caption = Key(849, n - 1);
    name.colour = "DPI_Lable";
    name.size = "DPI_Lable_Size";
    PageControl& slider =
        c.Sized(2, "slider_" + level, ControlKind::kSlider, level + "_Steps", 0, 0, 230, 20);
    slider.shown = Shown::kSliderStyle;
    for (int i = 1; i <= 11; ++i) {
      PageControl& bar = c.Sized(2, "Img_" + level + "_" + N(i), ControlKind::kPicture,
                                 level + "_Steps", 0, 6, 18, 8);
      bar.picture = "Bar1_D";
      bar.step = level + "_Steps_D";
      bar.index = i - 1;
      bar.step_base = 18;
      bar.shown = Shown::kBarStyle;
    }
    c.Sized(2, "lbl_" + level + "Value", ControlKind::kText, level + "_Value", 0, 0, 60, 22);
    c.Sized(2, "cs_" + level + "Col", ControlKind::kSwatch, level + "_Color", 3, 3, 34, 14);
    PageControl& frame = c.Add(2, "Img_" + level + "Col", ControlKind::kPicture, level + "_Color");
    frame.picture = "Col_F";
    c.Click(2, "lbl_" + level + "Col", level + "_Color", 0, 0, 40, 20);
    c.Hidden(2, "rb_" + level);
  }
  c.Caption(2, "lbl_AIMKey", "AIM_Key_Lable", "Str222");
  c.Sized(2, "slider_DPI8", ControlKind::kSlider, "AIMKey", 0, 0, 230, 20);
  c.Sized(2, "lbl_AIMKeyValue", ControlKind::kText, "AIMKey", 240, -2, 60, 22);
}

// One option of the lighting page: a lamp, a click label over lamp and text.
void AddOption(Catalogue& c, const std::string& lamp, const std::string& label,
               const std::string& place, const std::string& caption) {
  c.Lamp(3, lamp, place, "RdS");
  c.Click(3, label, place, 22, -2, 80, 22, caption);
}

void AddLightingOptions(Catalogue& c) {
  c.Caption(3, "lbl_LED_Status", "LED_Status_Lable", "Str812");
  AddOption(c, "Img_LEDOn", "lbl_LEDOn", "LEDOn", "Str813");
  AddOption(c, "Img_LEDOff", "lbl_LEDOff", "LEDOff", "Str814");
  c.Caption(3, "lbl_MCPI_Status", "MCPI_Status_Lable", "Str816");
  AddOption(c, "Img_B4CPIOn", "lbl_B4CPIOn", "B4CPIOn", "Str813");
  AddOption(c, "Img_B4CPIOff", "lbl_B4CPIOff", "B4CPIOff", "Str814");
  c.Caption(3, "lbl_LLED_Status", "LLED_Status_Lable", "Str815");
  AddOption(c, "Img_LCPIOn", "lbl_LCPIOn", "LEDSwitchOn", "Str813");
  AddOption(c, "Img_LCPIOff", "lbl_LCPIOff", "LEDSwitchOff", "Str814");
  c.Caption(3, "lbl_Led_Light", "Led_Light_Lable", "Str817");
  c.Lamp(3, "Img_MCULED3Control", "LED3Control", "RdS");
  c.Click(3, "lbl_MCULED3Control", "LED3Control", 0, -2, 70, 22);
  c.Lamp(3, "Img_MCULED6Control", "LED6Control", "RdS");
  c.Click(3, "lbl_MCULED6Control", "LED6Control", 0, -2, 70, 22);
  // "ALL" and "HALF" stand beside the brightness lamps; the key-mode saving
  // lamps whose click labels they are sit where the skin puts them.
  c.Caption(3, "lbl_SaveKeyMode", "LED_Light_All_Lable", "Str818");
  c.Caption(3, "lbl_NoSaveKeyMode", "LED_Light_Half_Lable", "Str819");
  c.Lamp(3, "Img_SaveKeyMode", "SaveKeyMode", "RdS");
  c.Lamp(3, "Img_NoSaveKeyMode", "NoSaveKeyMode", "RdS");
}

void AddLightingModes(Catalogue& c) {
  c.Caption(3, "lbl_Led_Mode", "LED_Mode_Lable", "Str820");
  for (int k = 1; k <= 7; ++k) {
    c.Lamp(3, "Img_MCULEDMode" + N(k), "MCULEDMode" + N(k), "RdS");
    PageControl& mcu =
        c.Add(3, "lbl_MCULEDMode" + N(k), ControlKind::kText, "LED_Mode_" + N(k) + "_Lable");
    mcu.caption = Key(821, k - 1);
    mcu.colour = "LED_Mode_Option_Lable";
    mcu.size = "LED_Mode_Option_Lable_Size";
    mcu.text_width = true;
    mcu.height = 22;
    c.Lamp(3, "Img_RBLEDMode" + N(k), "RBLEDMode" + N(k), "RdS");
    PageControl& rb =
        c.Beside(3, "lbl_RBLEDMode" + N(k), "RBLEDMode" + N(k), 24, -2, 150, Key(828, k - 1));
    rb.colour = "LED_Mode_Option_Lable";
    rb.size = "LED_Mode_Option_Lable_Size";
  }
}

// A row of bar pictures with a number label 24 pixels under each.
void AddLedRow(Catalogue& c, const std::string& stem, int count, int first_number, bool num_order,
               Shown bars, int width) {
  for (int i = 1; i <= count; ++i) {
    PageControl& bar =
        c.Sized(3, "Img_" + stem + "_" + N(i), ControlKind::kPicture, stem, 0, 0, width, 10);
    bar.picture = "Bar1_D";
    bar.step = stem + "_D";
    bar.index = i - 1;
    bar.step_base = width;
    bar.shown = bars;
    PageControl& label =
        c.Beside(3, "lbl_" + stem + "_" + N(i), stem, 0, 24, width, "=" + N(first_number + i - 1));
    label.step = stem + "_D";
    label.index = i - 1;
    label.step_base = width;
    label.num_order = num_order;
    label.colour = "LED_Step_Option_Lable";
    label.size = "LED_Step_Option_Lable_Size";
  }
}

void AddLightingRows(Catalogue& c) {
  AddLedRow(c, "MCULEDNum", 10, 4, true, Shown::kAlways, 36);
  c.Caption(3, "lbl_LED_Effect_Setting", "LED_Effect_Setting_Lable", "Str856");
  // The speed shows as a slider at the row's origin, or as the row of bars.
  AddLedRow(c, "MCULEDStep", 8, 1, false, Shown::kBarStyle, 24);
  PageControl& slider =
      c.Sized(3, "slider_Breath_Speed", ControlKind::kSlider, "MCULEDStep", 0, 0, 210, 20);
  slider.shown = Shown::kSliderStyle;
  c.Caption(3, "lbl_LED_Effect_Slow", "LED_Effect_Slow_Lable", "Str857");
  c.Caption(3, "lbl_LED_Effect_Fast", "LED_Effect_Fast_Lable", "Str858");
}

void AddDelayGroup(Catalogue& c) {
  PageControl& group = c.Sized(4, "Gb_Delay", ControlKind::kGroup, "DelayGroup", 0, 0, 250, 250);
  group.shown = Shown::kAtStart;
  c.Group("Gb_Delay");
  c.Caption(4, "lbl_Delay_Setting", "Delay_Setting_Lable", "Str838");
  const struct {
    const char* lamp;
    const char* label;
    const char* caption_label;
    const char* place;
    int dy;
    const char* caption;
  } kChoices[] = {
      {"Img_RecDelay", "IB_RecDelay", "lbl_Record_Delay", "RecDelay", 0, "Str414"},
      {"Img_DelayTime", "IB_DelayTime", "lbl_Delay_Time", "DelayTime", 0, "Str415"},
      {"Img_NoDelay", "IB_NoDelay", "lbl_No_Delay", "DelayTime", 30, "Str839"},
      {"Img_ReleaseStop", "IB_ReleaseStop", "lbl_Stop_Release", "ReleaseStop", 0, "Str841"},
      {"Img_ReleaseContiue", "IB_ReleaseContiue", "lbl_Stop_Over", "ReleaseContinue", 0, "Str842"},
  };
  for (const auto& choice : kChoices) {
    c.Lamp(4, choice.lamp, choice.place, "RdS", 0, choice.dy);
    c.Beside(4, choice.caption_label, choice.place, 24, choice.dy - 2, 200, choice.caption);
    c.Click(4, choice.label, choice.place, 0, choice.dy - 2, 220, 22);
  }
  c.Sized(4, "Edt_Delay", ControlKind::kEdit, "DelayEdit", 0, 0, 56, 22);
  c.Beside(4, "lbl_MS", "DelayEdit", 60, 0, 30, "Str840");
  c.Group("");
  for (const char* state :
       {"rb_RecDelay", "rb_DelayTime", "rb_NoDelay", "rb_ReleaseStop", "rb_ReleaseContinue"}) {
    c.Hidden(4, state);
  }
}

// What the insert panels offer: delays, keys, moves and repeats before or
// after the selected line.
std::vector<std::string> InsertChoices() {
  std::vector<std::string> items;
  for (int k : {410, 411, 412, 413, 440, 441, 442, 443, 446, 447})
    items.push_back("Str" + N(k));
  return items;
}

void AddInsertGroup(Catalogue& c) {
  PageControl& group = c.Sized(4, "Gb_Insert", ControlKind::kGroup, "Insert", 0, 0, 300, 270);
  group.shown = Shown::kHiddenAtStart;
  c.Group("Gb_Insert");
  PageControl& base = c.Add(4, "Img_InsertBase", ControlKind::kPicture, "Insert");
  base.picture = "InsertDelayBase";
  base.width = 300;
  base.height = 270;
  PageControl& list = c.Sized(4, "CB_Insert", ControlKind::kCombo, "InsertList", 0, 0, 270, 22);
  list.items = InsertChoices();
  const struct {
    const char* lamp;
    const char* label;
    int dy;
    const char* caption;
  } kChoices[] = {{"Img_InsertRecDelay", "IB_InsertRecDelay", 0, "Str414"},
                  {"Img_InsertDelayTime", "IB_InsertDelayTime", 28, "Str415"},
                  {"Img_InsertNoDelay", "IB_InsertNoDelay", 56, "Str416"}};
  for (const auto& choice : kChoices) {
    c.Lamp(4, choice.lamp, "InsertRecDelay", "RdS", 0, choice.dy);
    c.Click(4, choice.label, "InsertRecDelay", 24, choice.dy - 2, 180, 22, choice.caption);
  }
  c.Sized(4, "Edt_InsertDelay", ControlKind::kEdit, "InsertDelayEdit", 0, 0, 56, 22);
  c.Beside(4, "lbl_Delay", "InsertDelayEdit", -100, 0, 96, "Str417");
  c.Beside(4, "lbl_s_A", "InsertDelayEdit", 60, 0, 30, "Str418");
  c.Sized(4, "edt_XAxisValue", ControlKind::kEdit, "InsertAxisEdit", 0, 0, 56, 22).caption = "=12";
  c.Sized(4, "edt_YAxisValue", ControlKind::kEdit, "InsertAxisEdit", 64, 0, 56, 22).caption = "=12";
  c.Sized(4, "edt_Repeat", ControlKind::kEdit, "InsertAxisEdit", 128, 0, 56, 22).caption = "=10";
  c.Button(4, "Btn_InsertStart", "InsertBtnStart", "MacroS", "Str400");
  c.Button(4, "Btn_OK", "InsertBtnOK", "MacroBtnS", "Str420");
  c.Button(4, "Btn_Cancel", "InsertBtnCancel", "MacroBtnS", "Str422");
  // Covers the panel while an insert is being recorded.
  c.Sized(4, "GB_Dis", ControlKind::kGroup, "Insert", 0, 0, 300, 270).shown = Shown::kHiddenAtStart;
  c.Group("");
  for (const char* state : {"rb_InsertRecDelay", "rb_InsertDelayTime", "rb_InsertNoDelay"})
    c.Hidden(4, state);
}

void AddMacroPage(Catalogue& c) {
  c.Caption(4, "lbl_Macro_List", "Marco_List_Lable", "Str835");
  c.Caption(4, "lbl_Macro_Content", "Marco_Content_Lable", "Str836");
  c.Add(4, "LB_PCMacroName", ControlKind::kList, "PCMacroName");  // sized by _W and _H
  c.Sized(4, "LB_macro", ControlKind::kList, "MacroContent", 0, 0, 0, 330);
  c.Button(4, "Btn_New", "BtnNew", "MacroS", "Str432");
  c.Button(4, "Btn_Start", "BtnStart", "MacroS", "Str837");
  PageControl& mouse_names = c.Sized(4, "LB_MacroName", ControlKind::kList, "", 0, 0, 100, 100);
  mouse_names.shown = Shown::kHiddenAtStart;  // the mouse's six slots, never shown
  AddDelayGroup(c);
  AddInsertGroup(c);
}

void AddFireRows(Catalogue& c) {
  const struct {
    const char* name;
    const char* stem;
    const char* caption;
  } kHeadings[] = {{"lbl_Gun_Fire_Count", "Gun_Marco_Fire_Count_Lable", "Str844"},
                   {"lbl_Gun_Fire_X", "Gun_Marco_Fire_X_Lable", "Str611"},
                   {"lbl_Gun_Fire_Y", "Gun_Marco_Fire_Y_Lable", "Str845"},
                   {"lbl_Gun_Y_Offset", "Gun_Marco_Y_Offset_Lable", "Str846"},
                   {"lbl_Gun_Fire_Time", "Gun_Marco_Fire_Time_Lable", "Str847"},
                   {"lbl_Gun_Color", "Gun_Marco_Color_Lable", "Str848"},
                   {"lbl_Gun_RKFS", "Gun_Marco_RKFS_Lable", "Str843"}};
  for (const auto& heading : kHeadings)
    c.Caption(5, heading.name, heading.stem, heading.caption);
  for (int r = 1; r <= 3; ++r) {
    const std::string n = N(r);
    const Shown shown = r == 1 ? Shown::kAtStart : Shown::kHiddenAtStart;
    c.Sized(5, "Edt_FireCnt" + n, ControlKind::kEdit, "FireCnt" + n, 0, 0, 80, 22).shown = shown;
    c.Sized(5, "Edt_FireX" + n, ControlKind::kEdit, "FireX" + n, 0, 0, 80, 22).shown = shown;
    c.Sized(5, "Edt_FireY" + n, ControlKind::kEdit, "FireY" + n, 0, 0, 80, 22).shown = shown;
    c.Sized(5, "Edt_FireY" + n + "Offset", ControlKind::kEdit, "FireY" + n + "_Offset", 0, 0, 80,
            22)
        .shown = shown;
    c.Sized(5, "Edt_FireTime" + n, ControlKind::kEdit, "FireTime" + n, 0, 0, 80, 22).shown = shown;
    c.Sized(5, "cs_FireColor" + n, ControlKind::kSwatch, "FireColor" + n, 3, 3, 34, 14).shown =
        shown;
    PageControl& frame = c.Add(5, "Img_FireColor" + n, ControlKind::kPicture, "FireColor" + n);
    frame.picture = "Col_F";
    frame.shown = shown;
    c.Click(5, "IB_FireColor" + n, "FireColor" + n, 0, 0, 40, 20).shown = shown;
    c.Lamp(5, "Img_FireRKFS" + n, "RKFS" + n, "CbS").shown = shown;
    c.Click(5, "lbl_FireRKFS" + n, "RKFS" + n, 0, 0, 18, 18).shown = shown;
    c.Hidden(5, "cb_FireRKFS" + n);
  }
}

void AddFireEditor(Catalogue& c) {
  const auto unlocked = [](PageControl& control) { control.shown = Shown::kFireUnlock; };
  unlocked(c.Sized(5, "LB_FireMacroName", ControlKind::kList, "", 40, 372, 150, 160));
  unlocked(c.Sized(5, "LB_FireMacro", ControlKind::kList, "", 200, 372, 230, 160));
  unlocked(c.Button(5, "Btn_FireStart", "", "MacroS", "Str400"));
  c.controls.back().dx = 450;
  c.controls.back().dy = 372;
  PageControl& group = c.Sized(5, "GB_FireDelay", ControlKind::kGroup, "", 450, 410, 390, 120);
  unlocked(group);
  c.Group("GB_FireDelay");
  PageControl& base = c.Sized(5, "Img_FireDelay", ControlKind::kPicture, "", 450, 410, 390, 120);
  base.picture = "InsertDelayBase";
  const struct {
    const char* lamp;
    const char* label;
    int dx, dy;
    const char* caption;
  } kChoices[] = {{"Img_FireRecDelay", "IB_FireRecDelay", 460, 420, "Str414"},
                  {"Img_FireDelayTime", "IB_FireDelayTime", 460, 446, "Str415"},
                  {"Img_FireNoDelay", "IB_FireNoDelay", 460, 472, "Str416"},
                  {"Img_FireReleaseStop", "IB_FireReleaseStop", 600, 420, "Str841"},
                  {"Img_FireReleaseContiue", "IB_FireReleaseContiue", 600, 446, "Str842"}};
  for (const auto& choice : kChoices) {
    c.Lamp(5, choice.lamp, "", "RdS", choice.dx, choice.dy);
    c.Click(5, choice.label, "", choice.dx + 22, choice.dy - 2, choice.dx < 600 ? 118 : 206, 22,
            choice.caption);
  }
  c.Sized(5, "Edt_FireDelay", ControlKind::kEdit, "", 460, 498, 56, 22);
  c.Group("");
}

// The fire editor's insert panel, in place of its delay group while inserting.
void AddFireInsertGroup(Catalogue& c) {
  c.Sized(5, "Gb_InsertFire", ControlKind::kGroup, "", 450, 410, 300, 120).shown =
      Shown::kHiddenAtStart;
  c.Group("Gb_InsertFire");
  PageControl& base =
      c.Sized(5, "Img_InsertFireBase", ControlKind::kPicture, "", 450, 410, 300, 120);
  base.picture = "InsertDelayBase";
  PageControl& list = c.Sized(5, "CB_InsertFire", ControlKind::kCombo, "", 460, 418, 280, 22);
  list.items = InsertChoices();
  c.Sized(5, "Edt_InsertFireDelay", ControlKind::kEdit, "", 460, 448, 56, 22);
  c.Sized(5, "edt_FireXAxisValue", ControlKind::kEdit, "", 524, 448, 56, 22);
  c.Sized(5, "edt_FireYAxisValue", ControlKind::kEdit, "", 588, 448, 56, 22);
  c.Sized(5, "edt_FireRepeat", ControlKind::kEdit, "", 652, 448, 56, 22);
  for (const auto& [name, x, caption] :
       {std::tuple{"Btn_FireOK", 460, "Str420"}, std::tuple{"Btn_FireCancel", 560, "Str422"}}) {
    PageControl& button = c.Button(5, name, "", "MacroBtnS", caption);
    button.dx = x;
    button.dy = 480;
  }
  c.Group("");
}

void AddFirePage(Catalogue& c) {
  for (int g = 1; g <= 7; ++g)
    c.Button(5, "Btn_Fire" + N(g), "Fire" + N(g), "Gun" + N(g), Key(600, g - 1));
  for (int k = 1; k <= 5; ++k) {
    PageControl& mode = c.Add(5, "Img_GunMode" + N(k), ControlKind::kPicture, "GunMode" + N(k));
    mode.picture = "GunMode" + N(k);
    mode.shown = Shown::kHiddenAtStart;
  }
  AddFireRows(c);
  for (int g = 1; g <= 7; ++g)
    c.Hidden(5, "rb_Fire" + N(g));  // which gun is chosen
  c.Button(5, "Btn_FireConfirm", "FireConfirm", "BtnS", "Str620");
  c.Button(5, "Btn_FireExit", "FireCancel", "BtnS", "Str621");
  AddFireEditor(c);
  AddFireInsertGroup(c);
}

// The pop-up menus of the macro lists and the macro and gun-key menus.
void AddPopups(Catalogue& c) {
  c.Family("Color_F_Font", "Size_F");
  const struct {
    const char* panel;
    std::vector<std::pair<const char*, const char*>> items;
  } kPopups[] = {
      {"Pnl_PCMacro",
       {{"Btn_NewMacro", "Str432"},
        {"Btn_NewName", "Str402"},
        {"Btn_DelPCMacro", "Str408"},
        {"Btn_ImportOne", "Str406"},
        {"Btn_ExportOne", "Str404"},
        {"Btn_Import", "Str407"},
        {"Btn_Export", "Str405"}}},
      {"Pnl_DevContent", {{"Btn_Del", "Str433"}, {"Btn_Insert", "Str409"}, {"Btn_Edit", "Str435"}}},
      {"Pnl_DevFireContent",
       {{"Btn_FireDel", "Str433"}, {"Btn_FireInsert", "Str409"}, {"Btn_FireEdit", "Str435"}}},
  };
  for (const auto& popup : kPopups) {
    const int rows = static_cast<int>(popup.items.size());
    c.Sized(0, popup.panel, ControlKind::kPopup, "", 0, 0, 140, 24 * rows + 2).shown =
        Shown::kHiddenAtStart;
    c.Group(popup.panel);
    for (int row = 0; row < rows; ++row) {
      c.Click(0, popup.items[row].first, "", 1, 1 + 24 * row, 138, 24, popup.items[row].second)
          .kind = ControlKind::kMenuItem;
    }
    c.Group("");
  }
  for (const char* list : {"LB_Name", "LB_Script"}) {
    c.Sized(0, list, ControlKind::kList, "", 0, 0, 170, 170).shown = Shown::kHiddenAtStart;
  }
}

std::vector<PageControl> Build() {
  Catalogue c;
  AddMainPage(c);
  c.Family("Color_D", "Size_D");
  AddFireKeyAndPointer(c);
  AddDpiLevels(c);
  c.Family("Color_E", "Size_E");
  AddLightingOptions(c);
  AddLightingModes(c);
  AddLightingRows(c);
  c.Family("Color_F", "Size_F");
  AddMacroPage(c);
  c.Family("Color_J", "Size_J");
  AddFirePage(c);
  AddPopups(c);
  return std::move(c.controls);
}

}  // namespace

const std::vector<PageControl>& PageControls() {
  static const std::vector<PageControl> controls = Build();
  return controls;
}

const PageControl* FindPageControl(const std::string& name) {
  for (const PageControl& control : PageControls()) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

std::vector<std::string> PageControlLayoutKeys() {
  std::set<std::string> keys = {"Size_D",
                                "Size_E",
                                "Size_F",
                                "Size_J",
                                "PCMacroName_W",
                                "Color_F_Back_R",
                                "Color_F_Back_G",
                                "Color_F_Back_B",
                                "PCMacroName_H",
                                "MacroContent_W",
                                "DPI_Count_Visible",
                                "Color_BG_Slider_R",
                                "Color_BG_Slider_G",
                                "Color_BG_Slider_B"};
  for (const PageControl& control : PageControls()) {
    if (!control.place.empty()) {
      keys.insert(control.place + "_X");
      keys.insert(control.place + "_Y");
    }
    if (control.text_width) keys.insert(control.place + "_Width");
    if (control.enable_key) keys.insert(control.place + "_Enable");
    if (!control.colour.empty()) {
      for (const char* part : {"_R", "_G", "_B"})
        keys.insert(control.colour + part);
    }
    if (!control.size.empty()) keys.insert(control.size);
    if (!control.step.empty()) keys.insert(control.step);
  }
  return {keys.begin(), keys.end()};
}

}  // namespace orvane::app
