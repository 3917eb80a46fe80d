#pragma once

#include <optional>
#include <string>

#include "core/config/data_buf.h"
#include "core/device/image_observer.h"
#include "core/macro/macro_lines.h"
#include "core/macro/recorder.h"
#include "core/pages/event_line_edits.h"
#include "core/pages/macro_editor.h"
#include "core/pages/number_box.h"
#include "core/pages/recording_gate.h"

namespace orvane::pages {

// The eight choices of the fire editor's insert panel (CB_InsertFire).
enum class FireInsertChoice {
  kDelayBefore,
  kDelayAfter,
  kRepeatStartBefore,
  kRepeatEndAfter,
  kXBefore,
  kXAfter,
  kYBefore,
  kYAfter,
};

struct FireEditorState {
  bool shown = false;       // unlocked on the fire page, until Confirm or Cancel
  int slot = 0;             // LB_FireMacroName: 1..10; 0 for none
  macro::MacroLines lines;  // the slot's own lines; row r shows line r + 1
  int selected_row = -1;
  DelayOptions options;                 // the delay group and Edt_FireDelay
  std::optional<bool> stop_on_release;  // neither for a flag other than 0 or 1
  bool recording = false;
  bool insert_open = false;
  FireInsertChoice insert_choice = FireInsertChoice::kDelayBefore;
  std::string insert_delay_text = "50", x_text = "12", y_text = "12", repeat_text = "10";
  std::string compiled;  // mmo_wrscript: the slot as hex
};

// The hidden fire macro editor: one slot of FireSlots as event lines of its
// own, every change compiled straight back into the slot and sealed; a
// change that would not fit the slot's 21 event bytes is refused. Recording
// takes left clicks with their timing, and only while no other recording
// runs in the program.
class FireMacroEditor : public device::ImageObserver {
 public:
  static constexpr NumberBox kDelayBox{0, 2040};
  static constexpr NumberBox kMoveBox{-128, 127};
  static constexpr NumberBox kRepeatBox{1, 255};

  FireMacroEditor(config::Configuration& config, TextLookup text, RecordingGate* gate = nullptr);
  ~FireMacroEditor() override;
  FireMacroEditor(const FireMacroEditor&) = delete;
  FireMacroEditor& operator=(const FireMacroEditor&) = delete;

  // Img_Base_5's double click; the fire page's Confirm and Cancel hide it
  // again, ending any recording.
  void Show() { state_.shown = true; }
  void Hide();
  // A new image: the selected slot is shown as it now is.
  void ImageShown() override;
  void BeforeWrite() override {}

  // LB_FireMacroNameClick; refused while recording.
  void SelectSlot(int slot);
  void SelectRow(int row);
  void ChooseDelayMode(macro::DelayMode mode);
  std::string TypeDelay(const std::string& typed);
  // IB_FireReleaseStopClick / IB_FireReleaseContiueClick: the slot's flag
  // and its pointer type follow at once.
  void ChooseRelease(bool stop_on_release);

  std::optional<std::string> DeleteRow();
  EditKind KindOfSelectedRow() const;
  std::optional<std::string> ApplyKey(int virtual_key);
  std::optional<std::string> ApplyNumber(const std::string& text);

  void OpenInsert();
  void ChooseInsert(FireInsertChoice choice) { state_.insert_choice = choice; }
  std::string TypeInsertBox(FireInsertChoice choice, const std::string& typed);
  std::optional<std::string> InsertOk();
  void InsertCancel();

  bool StartRecording();
  void StopRecording();
  // One event of the desktop while recording: only left clicks count.
  void Feed(const macro::RecordedInput& input);
  void SetLeftClickMasked(bool masked);

  const FireEditorState& State() const { return state_; }

 private:
  std::span<uint8_t, 24> Slot();
  void Decode();
  // Compiles `lines` into the slot: false, and nothing changed, when they
  // do not fit.
  bool Compile(const macro::MacroLines& lines);
  std::optional<std::string> Store(macro::MacroLines lines, int select_row);
  void ShowCompiled();

  config::Configuration& config_;
  TextLookup text_;
  RecordingGate* gate_;
  FireEditorState state_;
  std::optional<macro::Recorder> recorder_;
  bool left_masked_ = false;
  int saved_row_ = -1;
};

}  // namespace orvane::pages
