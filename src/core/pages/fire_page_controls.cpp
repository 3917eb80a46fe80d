#include "core/pages/fire_page_controls.h"

namespace orvane::pages {

namespace {

std::string N(int n) { return std::to_string(n); }

}  // namespace

std::array<std::string, 5> FireRowEditNames(int row) {
  const std::string r = N(row);
  return {"Edt_FireCnt" + r, "Edt_FireX" + r, "Edt_FireY" + r, "Edt_FireY" + r + "Offset",
          "Edt_FireTime" + r};
}

std::vector<std::string> FirePageControlNames() {
  std::vector<std::string> names;
  for (int gun = 1; gun <= 7; ++gun) {
    names.push_back("Btn_Fire" + N(gun));
    names.push_back("rb_Fire" + N(gun));
  }
  for (int k = 1; k <= 5; ++k)
    names.push_back("Img_GunMode" + N(k));
  for (int row = 1; row <= 3; ++row) {
    for (const std::string& edit : FireRowEditNames(row))
      names.push_back(edit);
    for (const char* stem : {"cs_FireColor", "Img_FireColor", "IB_FireColor", "Img_FireRKFS",
                             "lbl_FireRKFS", "cb_FireRKFS"})
      names.push_back(stem + N(row));
  }
  for (int slot = 1; slot <= 10; ++slot) {
    for (const char* channel : {"R", "G", "B"})
      names.push_back("edt_FireMacroColor" + N(slot) + channel);
    names.push_back("edt_YOffset" + N(slot));
  }
  for (const char* name : {"Btn_FireConfirm",        "Btn_FireExit",        "Edt_Repeat1",
                           "Edt_DelayTime1",         "edt_FireTime",        "lbl_FireContinue",
                           "Img_FireContinue",       "cb_IsFireContinue",   "cb_FireCount",
                           "LB_ScriptName",          "LB_Script",           "cb_SOSStartIndex",
                           "cb_SOSNumber",           "btn_AddScript",       "btn_DelScript",
                           "Btn_ImportGunMacro",     "LB_FireMacroName",    "LB_FireMacro",
                           "Btn_FireStart",          "GB_FireDelay",        "IB_FireRecDelay",
                           "Img_FireRecDelay",       "IB_FireDelayTime",    "Img_FireDelayTime",
                           "IB_FireNoDelay",         "Img_FireNoDelay",     "Edt_FireDelay",
                           "IB_FireReleaseStop",     "Img_FireReleaseStop", "IB_FireReleaseContiue",
                           "Img_FireReleaseContiue", "Pnl_DevFireContent",  "Btn_FireDel",
                           "Btn_FireInsert",         "Btn_FireEdit",        "Gb_InsertFire",
                           "CB_InsertFire",          "Edt_InsertFireDelay", "edt_FireXAxisValue",
                           "edt_FireYAxisValue",     "edt_FireRepeat",      "Btn_FireOK",
                           "Btn_FireCancel"})
    names.emplace_back(name);
  return names;
}

}  // namespace orvane::pages
