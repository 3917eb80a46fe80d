#include "core/pages/macro_editor.h"

#include <algorithm>
#include <cstdio>

namespace orvane::pages {

namespace {

using macro::DelayMode;
using macro::MacroLines;

// Insert recording keeps to the room of a mouse slot in both modes.
constexpr size_t kInsertCapacity = 220;

int HexValue(const std::string& digits) {
  return static_cast<int>(std::strtol(digits.c_str(), nullptr, 16));
}

bool IsKeyChoice(InsertChoice choice) {
  return choice == InsertChoice::kKeyFront || choice == InsertChoice::kKeyBack;
}

}  // namespace

std::string RowText(const std::string& line) {
  if (line.size() < 2) return {};
  const std::string last = line.size() >= 2 ? line.substr(line.size() - 2) : "";
  switch (line[0]) {
    case '0': return line.substr(2) + " ms";
    case '1':
    case '2': return KeyNameOfLine(line);
    case '3': return "X-Axis  " + std::to_string(HexValue(last));
    case '4': return "X-Axis  " + std::to_string(HexValue(last) - 256);
    case '5': return "Y-Axis  " + std::to_string(HexValue(last));
    case '6': return "Y-Axis  " + std::to_string(HexValue(last) - 256);
    case '7': return "Rep-Start  " + std::to_string(HexValue(last) + 1);
    case '8': return "Rep-Stop";
    default: return line;
  }
}

int RowPicture(const std::string& line) {
  return !line.empty() && line[0] >= '0' && line[0] <= '8' ? line[0] - '0' : -1;
}

MacroEditor::MacroEditor(MacroLibraryPage& library, TextLookup text, RecordingGate* gate)
    : library_(library), text_(std::move(text)), gate_(gate) {}

MacroEditor::~MacroEditor() {
  if (gate_) gate_->Give(this);
}

void MacroEditor::EntrySelected() {
  const MacroLibraryState& entry = library_.State();
  state_.lines = entry.macro.lines;
  state_.selected_row = -1;
  state_.stop_on_release = entry.release_flag;
  if (!state_.lines.empty()) state_.options.mode = entry.macro.delay_mode;
  if (entry.macro.delay_mode == DelayMode::kDefault && !state_.lines.empty()) {
    state_.options.delay_text = std::to_string(entry.macro.default_delay_ms);
  }
}

void MacroEditor::SelectRow(int row) {
  const int rows = static_cast<int>(state_.lines.size()) - 1;
  state_.selected_row = row >= 0 && row < rows ? row : -1;
}

void MacroEditor::ChooseDelayMode(DelayMode mode) { state_.options.mode = mode; }

std::string MacroEditor::TypeDelay(const std::string& typed) {
  state_.options.delay_text = kDelayBox.Typed(state_.options.delay_text, typed);
  return state_.options.delay_text;
}

std::optional<std::string> MacroEditor::ChooseRelease(bool stop_on_release) {
  state_.stop_on_release = stop_on_release;
  return library_.SetReleaseFlag(stop_on_release);
}

std::optional<std::string> MacroEditor::Store(MacroLines lines, int select_row) {
  const MacroLibraryPage::Stored stored = library_.StoreSelected(lines, state_.stop_on_release);
  if (stored.stored) {
    state_.lines = std::move(lines);
    state_.full = false;
    SelectRow(select_row);
  }
  return stored.message;
}

std::optional<std::string> MacroEditor::DeleteRow() {
  if (state_.selected_row < 0) return std::nullopt;
  RowDeletion deletion = pages::DeleteRow(state_.lines, state_.selected_row);
  return Store(std::move(deletion.lines), deletion.select_row);
}

EditKind MacroEditor::KindOfSelectedRow() const {
  if (state_.selected_row < 0) return EditKind::kNone;
  return KindOfLine(state_.lines[static_cast<size_t>(state_.selected_row) + 1]);
}

void MacroEditor::ReplaceSelectedLine(const std::string& line,
                                      std::optional<std::string>& message) {
  MacroLines lines = state_.lines;
  lines[static_cast<size_t>(state_.selected_row) + 1] = line;
  message = Store(std::move(lines), state_.selected_row);
}

std::optional<std::string> MacroEditor::ApplyKey(int virtual_key) {
  const EditKind kind = KindOfSelectedRow();
  if (kind != EditKind::kPress && kind != EditKind::kRelease) return std::nullopt;
  std::optional<std::string> message;
  ReplaceSelectedLine(DialogKeyLine(kind == EditKind::kPress, virtual_key), message);
  return message;
}

std::optional<std::string> MacroEditor::ApplyNumber(const std::string& text) {
  const EditKind kind = KindOfSelectedRow();
  const NumberBox box = kind == EditKind::kDelay    ? kDelayBox
                        : kind == EditKind::kRepeat ? kRepeatBox
                                                    : kMoveBox;
  const auto value = box.Value(text);
  if (!value || kind == EditKind::kNone || kind == EditKind::kPress || kind == EditKind::kRelease) {
    return std::nullopt;
  }
  const std::string line = kind == EditKind::kDelay    ? macro::DelayLine(*value)
                           : kind == EditKind::kRepeat ? RepeatLine(*value)
                                                       : MoveLine(kind == EditKind::kMoveX, *value);
  std::optional<std::string> message;
  ReplaceSelectedLine(line, message);
  return message;
}

void MacroEditor::OpenInsert() {
  state_.insert_open = true;
  saved_row_ = state_.selected_row;
  ChooseInsert(InsertChoice::kDelayFront);
}

void MacroEditor::ChooseInsert(InsertChoice choice) { state_.insert_choice = choice; }

std::string MacroEditor::TypeInsertBox(InsertChoice box, const std::string& typed) {
  switch (box) {
    case InsertChoice::kRepeatStart:
    case InsertChoice::kRepeatStop:
      return state_.repeat_text = kRepeatBox.Typed(state_.repeat_text, typed);
    case InsertChoice::kXFront:
    case InsertChoice::kXBack: return state_.x_text = kMoveBox.Typed(state_.x_text, typed);
    case InsertChoice::kYFront:
    case InsertChoice::kYBack: return state_.y_text = kMoveBox.Typed(state_.y_text, typed);
    default:
      return state_.insert_options.delay_text =
                 kDelayBox.Typed(state_.insert_options.delay_text, typed);
  }
}

void MacroEditor::ChooseInsertDelayMode(DelayMode mode) { state_.insert_options.mode = mode; }

int MacroEditor::InsertAt(bool back) const { return state_.selected_row + (back ? 2 : 1); }

std::optional<std::string> MacroEditor::InsertOk() {
  if (!state_.insert_open || state_.insert_recording) return std::nullopt;
  const InsertChoice choice = state_.insert_choice;
  std::optional<std::string> message;
  if (IsKeyChoice(choice)) {
    // The recorded lines are in place already.
    message = Store(state_.lines, state_.selected_row);
  } else {
    if (state_.selected_row < 0) return std::nullopt;
    std::optional<std::string> line;
    bool back = false;
    switch (choice) {
      case InsertChoice::kDelayBack: back = true; [[fallthrough]];
      case InsertChoice::kDelayFront:
        if (const auto ms = kDelayBox.Value(state_.insert_options.delay_text)) {
          line = macro::DelayLine(*ms);
        }
        break;
      case InsertChoice::kRepeatStart:
        if (const auto n = kRepeatBox.Value(state_.repeat_text)) line = RepeatLine(*n);
        break;
      case InsertChoice::kRepeatStop:
        back = true;
        line = "8 00FC";
        break;
      case InsertChoice::kXBack: back = true; [[fallthrough]];
      case InsertChoice::kXFront:
        if (const auto v = kMoveBox.Value(state_.x_text)) line = MoveLine(true, *v);
        break;
      case InsertChoice::kYBack: back = true; [[fallthrough]];
      case InsertChoice::kYFront:
        if (const auto v = kMoveBox.Value(state_.y_text)) line = MoveLine(false, *v);
        break;
      default: break;
    }
    if (!line) return std::nullopt;
    MacroLines lines = state_.lines;
    lines.insert(lines.begin() + InsertAt(back), *line);
    message = Store(std::move(lines), state_.selected_row + (back ? 1 : 0));
  }
  state_.insert_open = false;
  return message;
}

void MacroEditor::InsertCancel() {
  if (state_.insert_recording) StopInsertRecording();
  state_.insert_open = false;
  // What insert recording added is dropped: the entry as it is stored.
  library_.Select(library_.State().selected);
  EntrySelected();
  SelectRow(saved_row_);
}

macro::RecorderSettings MacroEditor::RecorderFor(const DelayOptions& options, size_t capacity,
                                                 size_t used) const {
  macro::RecorderSettings settings;
  settings.delay_mode = options.mode;
  settings.default_delay_ms = kDelayBox.Value(options.delay_text).value_or(0);
  settings.capacity = capacity;
  settings.used = used;
  return settings;
}

bool MacroEditor::StartRecording() {
  if (library_.State().selected < 0 || state_.recording) return false;
  if (gate_ && !gate_->Take(this)) return false;
  // A macro must fit its entry: a mouse slot, or a driver block.
  const size_t capacity = library_.EepromMode() ? 220 : macro::kMaxBlockEvents;
  recorder_.emplace(RecorderFor(state_.options, capacity, 0));
  recorder_->SetLeftClickMasked(left_masked_);
  const int ms = kDelayBox.Value(state_.options.delay_text).value_or(0);
  state_.lines = {macro::HeaderLine(state_.options.mode, ms)};
  state_.selected_row = -1;
  state_.recording = true;
  state_.full = false;
  return true;
}

std::optional<std::string> MacroEditor::StopRecording() {
  if (!state_.recording || state_.insert_recording) return std::nullopt;
  recorder_.reset();
  state_.recording = false;
  if (gate_) gate_->Give(this);
  return Store(state_.lines, static_cast<int>(state_.lines.size()) - 2);
}

bool MacroEditor::StartInsertRecording() {
  if (!state_.insert_open || !IsKeyChoice(state_.insert_choice) || state_.selected_row < 0 ||
      state_.full || state_.recording) {
    return false;
  }
  const size_t used = library_.SelectedEventBytes();
  if (used >= kInsertCapacity) return false;
  if (gate_ && !gate_->Take(this)) return false;
  recorder_.emplace(RecorderFor(state_.insert_options, kInsertCapacity, used));
  recorder_->SetLeftClickMasked(left_masked_);
  insert_index_ = state_.selected_row;
  state_.recording = state_.insert_recording = true;
  return true;
}

void MacroEditor::StopInsertRecording() {
  if (!state_.insert_recording) return;
  recorder_.reset();
  state_.recording = state_.insert_recording = false;
  if (gate_) gate_->Give(this);
}

bool MacroEditor::Feed(const macro::RecordedInput& input) {
  if (!recorder_) return false;
  for (std::string& line : recorder_->Feed(input)) {
    if (state_.insert_recording) {
      const bool back = state_.insert_choice == InsertChoice::kKeyBack;
      state_.lines.insert(state_.lines.begin() + insert_index_ + (back ? 2 : 1), std::move(line));
      ++insert_index_;
      state_.selected_row = insert_index_;
    } else {
      state_.lines.push_back(std::move(line));
      state_.selected_row = static_cast<int>(state_.lines.size()) - 2;
    }
  }
  state_.full = recorder_->Full();
  if (!recorder_->StopWanted()) return false;
  if (state_.insert_recording) {
    StopInsertRecording();
  } else {
    StopRecording();
  }
  return true;
}

void MacroEditor::SetLeftClickMasked(bool masked) {
  left_masked_ = masked;
  if (recorder_) recorder_->SetLeftClickMasked(masked);
}

}  // namespace orvane::pages
