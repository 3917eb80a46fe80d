#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/config/data_buf.h"
#include "core/config/parameter_fields.h"
#include "core/device/device_sessions.h"
#include "core/device/image_observer.h"
#include "core/fire/fire_macros.h"
#include "core/fire/gun_key_list.h"
#include "core/pages/button_page.h"
#include "core/pages/dpi_page.h"

namespace orvane::pages {

// The five edits of a parameter row, in the order the row shows them.
enum class FireEdit { kCount, kX, kY, kYOffset, kDelay };
constexpr int kFireEdits = 5;

struct FireRowState {
  int slot = 0;  // 1..10
  bool release_stop = false;
  std::array<std::string, kFireEdits> texts{"0", "0", "0", "0", "0"};  // by FireEdit
  // Whether the slot holds the event each edit changes: an edit without
  // one has nothing to write and is shown read-only.
  std::array<bool, kFireEdits> editable{};
  config::Rgb colour;
};

// The Fire key's burst: the advanced page's edits and toggle, the engineer's
// count list and interval.
struct FireBurstState {
  bool continuous = false;
  int count_item = 1;  // cb_FireCount: count - 1, the last item while continuous
  std::string repeat_text = "2";
  std::string interval_text = "100";
};

struct FirePageState {
  int gun = 1;
  int rows = 1;  // rows on screen: 1, 2 for gun 6, 3 for gun 7
  std::array<FireRowState, 3> row;
  std::array<bool, 5> mode_images{};  // Img_GunMode1..5
  // The engineer view.
  std::array<std::array<std::string, 3>, fire::kFireSlots> colours;  // R, G, B texts
  std::array<std::string, fire::kFireSlots> y_offsets;
  std::vector<std::string> gun_keys;  // LB_ScriptName and LB_Script
  int gun_key_selected = -1;
  int first_slot = 1;  // cb_SOSStartIndex
  int last_slot = 1;   // cb_SOSNumber
  FireBurstState burst;
};

// The fire macro page and its engineer view: the seven gun presets over
// the ten fire slots, their parameters written into the very bytes the
// scan found, the Y offsets and colours, the binding of a gun to a button,
// the sending of the fire macros, the gun-key list, the block import and
// the Fire key's burst. Every edit lands in the configuration at once.
class FirePage : public device::ImageObserver {
 public:
  static constexpr int kGuns = 7;
  static constexpr int kBurstItems = 256;  // cb_FireCount: "1" .. "256"

  struct Context {
    TextLookup text;
    int gun6_num = 2;
    int gun7_num = 3;
    std::string gun_key_file;  // "Orvane Fire Macro.bin" in the program's folder
  };

  // `gun_keys`: the program's gun-key list, which naming reads too.
  FirePage(config::Configuration& config, device::DeviceSessions& sessions, ButtonPage& buttons,
           fire::GunKeyList& gun_keys, Context context);

  void ImageShown() override;
  void BeforeWrite() override {}

  // The fire editor changed the slots: the rows show them as they now are.
  void SlotsChanged() { Rescan(); }
  // LoadGunKeyList at start.
  void LoadGunKeys();
  const fire::GunKeyList& GunKeys() const { return gun_keys_; }

  // Key_FireMacroClick: the page for button `button` of `profile`, gun 1.
  void Open(int profile, int button);
  // Btn_Fire1Click .. Btn_Fire7Click.
  void SelectGun(int gun);
  // A parameter edit of row 1..3: the text the edit is to show.
  std::string TypeParameter(int row, FireEdit edit, const std::string& typed);
  // IB_FireColorNClick with the colour chosen.
  void PickColour(int row, config::Rgb colour);
  // lbl_FireRKFSNClick.
  void ToggleReleaseStop(int row);

  // Btn_FireConfirmClick: the gun bound to the button the page was opened
  // for, the slots copied into the block and the fire macros sent. Returns
  // the message to show: the Left Click rule's refusal, or why nothing or
  // not everything reached the mouse.
  std::optional<std::string> Confirm();
  // Confirm's binding alone (the command line's `button.P.K=fire:G`).
  std::optional<std::string> BindGun(int profile, int button, int gun);
  // The gun whose preset code `code` is, if any.
  std::optional<int> GunOfCode(const std::string& code) const;
  // Confirm's step that makes the edited slots the ones sent.
  void CopySlotsToBlock();

  // The engineer view.
  std::string TypeColour(int slot, int channel, const std::string& typed);  // channel 0..2
  std::string TypeYOffset(int slot, const std::string& typed);              // TLRefreshYOffset
  std::optional<std::string> AddGunKey();
  std::optional<std::string> DeleteGunKey();
  void SelectGunKey(int item);
  void ChooseFirstSlot(int slot) { state_.first_slot = slot; }
  void ChooseLastSlot(int slot) { state_.last_slot = slot; }
  // LB_ScriptClick: list item `item` into the engineer key whose menu is open.
  std::optional<std::string> AssignGunKey(int item);
  // Btn_ImportGunMacroClick: a fire macro block file, checked, into the
  // block, the slots and the mouse. Returns the message to show.
  std::optional<std::string> ImportBlock(const std::string& path);

  // The Fire key's burst.
  void ChooseBurstItem(int item);                    // cb_FireCount
  std::string TypeRepeat(const std::string& typed);  // Edt_Repeat1
  // Edt_DelayTime1 (empty means 0) and edt_FireTime (empty means 100).
  std::string TypeInterval(const std::string& typed, bool engineer);
  void ToggleContinuous();  // lbl_FireContinue

  const FirePageState& State() const { return state_; }
  // The slot of row 1..3 of the chosen gun.
  int SlotOfRow(int row) const;
  // Row 1..3 of any gun as selecting it would show it, without selecting it.
  FireRowState RowOf(int gun, int row) const;

 private:
  void Rescan();
  // The rows' Y offsets and colours, after an engineer edit of the tables.
  void RefreshRowTables();
  void RebuildEngineer();
  void GunKeysChanged();
  std::optional<std::string> SaveGunKeys();
  void RebuildBurst();
  std::optional<std::string> WriteOutcome(device::SessionOutcome outcome) const;

  config::Configuration& config_;
  device::DeviceSessions& sessions_;
  ButtonPage& buttons_;
  Context context_;
  FirePageState state_;
  fire::FireParamPositions positions_{};
  fire::GunKeyList& gun_keys_;
  int profile_ = 0;  // the button the page was opened for; 0: none
  int button_ = 0;
};

}  // namespace orvane::pages
