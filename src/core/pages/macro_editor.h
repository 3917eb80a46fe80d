#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/macro/macro_lines.h"
#include "core/macro/recorder.h"
#include "core/pages/event_line_edits.h"
#include "core/pages/macro_library_page.h"
#include "core/pages/number_box.h"
#include "core/pages/recording_gate.h"

namespace orvane::pages {

// The ten choices of the insert panel (CB_Insert).
enum class InsertChoice {
  kDelayFront,
  kDelayBack,
  kKeyFront,
  kKeyBack,
  kRepeatStart,
  kRepeatStop,
  kXFront,
  kXBack,
  kYFront,
  kYBack,
};

// The delay-mode options of a recording: the mode and its number box.
struct DelayOptions {
  macro::DelayMode mode = macro::DelayMode::kRecord;
  std::string delay_text = "50";  // Edt_Delay, 0..2040
};

// What the macro page's views draw from.
struct MacroEditorState {
  macro::MacroLines lines;  // MacroLines; row r shows line r + 1
  int selected_row = -1;
  DelayOptions options;          // rb_RecDelay .. Edt_Delay
  bool stop_on_release = false;  // the release option (release flag 1)
  bool recording = false;
  bool full = false;  // the recording found no more room
  // The insert panel.
  bool insert_open = false;
  InsertChoice insert_choice = InsertChoice::kDelayFront;
  DelayOptions insert_options;
  std::string x_text = "12", y_text = "12", repeat_text = "10";
  bool insert_recording = false;
};

// The event list of the macro selected in the library, its editing, its
// recording and the insert panel. Every confirmed change is encoded into the
// selected entry and the library saved at once; a change whose events would
// not fit the entry is refused and changes nothing.
class MacroEditor {
 public:
  static constexpr NumberBox kDelayBox{0, 2040};
  static constexpr NumberBox kMoveBox{-128, 127};
  static constexpr NumberBox kRepeatBox{1, 255};

  // `gate`: the program's one recording at a time; none for an editor alone.
  MacroEditor(MacroLibraryPage& library, TextLookup text, RecordingGate* gate = nullptr);
  ~MacroEditor();
  MacroEditor(const MacroEditor&) = delete;
  MacroEditor& operator=(const MacroEditor&) = delete;

  // LB_PCMacroNameClick: the entry's lines, delay mode and release option.
  void EntrySelected();
  void SelectRow(int row);

  // The options. The release option is stored in the entry at once.
  void ChooseDelayMode(macro::DelayMode mode);
  std::string TypeDelay(const std::string& typed);
  std::optional<std::string> ChooseRelease(bool stop_on_release);

  // Btn_DelClick.
  std::optional<std::string> DeleteRow();
  // Btn_EditClick: what the selected row's dialog edits; then the dialog's
  // result: a key (its virtual key), a delay, a movement or repeat number.
  EditKind KindOfSelectedRow() const;
  std::optional<std::string> ApplyKey(int virtual_key);
  std::optional<std::string> ApplyNumber(const std::string& text);

  // The insert panel.
  void OpenInsert();
  void ChooseInsert(InsertChoice choice);
  std::string TypeInsertBox(InsertChoice box, const std::string& typed);  // the box of a choice
  void ChooseInsertDelayMode(macro::DelayMode mode);
  std::optional<std::string> InsertOk();
  void InsertCancel();

  // Recording (Btn_StartClick) and insert recording (Btn_InsertStartClick).
  // Start returns false when there is nothing to record into.
  bool StartRecording();
  std::optional<std::string> StopRecording();
  bool StartInsertRecording();
  void StopInsertRecording();
  // One event of the desktop while recording; true when the recording
  // stopped itself (its budget is used up).
  bool Feed(const macro::RecordedInput& input);
  void SetLeftClickMasked(bool masked);

  const MacroEditorState& State() const { return state_; }

 private:
  std::optional<std::string> Store(macro::MacroLines lines, int select_row);
  int InsertAt(bool back) const;  // the line index an insert goes to
  void ReplaceSelectedLine(const std::string& line, std::optional<std::string>& message);
  macro::RecorderSettings RecorderFor(const DelayOptions& options, size_t capacity,
                                      size_t used) const;

  MacroLibraryPage& library_;
  TextLookup text_;
  RecordingGate* gate_;
  MacroEditorState state_;
  std::optional<macro::Recorder> recorder_;
  int insert_index_ = 0;  // where insert recording puts its next line
  int saved_row_ = -1;
  bool left_masked_ = false;
};

// The text a row of the event list shows for its line, and the picture
// (the line's type, 0..8).
std::string RowText(const std::string& line);
int RowPicture(const std::string& line);

}  // namespace orvane::pages
