#include "core/pages/fire_macro_editor.h"

#include <algorithm>
#include <cstdio>

#include "core/fire/fire_editor.h"
#include "core/fire/fire_macros.h"

namespace orvane::pages {

namespace {

bool InsertsAfter(FireInsertChoice choice) {
  switch (choice) {
    case FireInsertChoice::kDelayAfter:
    case FireInsertChoice::kRepeatEndAfter:
    case FireInsertChoice::kXAfter:
    case FireInsertChoice::kYAfter: return true;
    default: return false;
  }
}

}  // namespace

FireMacroEditor::FireMacroEditor(config::Configuration& config, TextLookup text,
                                 RecordingGate* gate)
    : config_(config), text_(std::move(text)), gate_(gate) {}

FireMacroEditor::~FireMacroEditor() {
  if (gate_) gate_->Give(this);
}

std::span<uint8_t, 24> FireMacroEditor::Slot() { return fire::FireSlot(config_, state_.slot); }

void FireMacroEditor::Hide() {
  StopRecording();
  state_.insert_open = false;
  state_.shown = false;
  state_.slot = 0;
  state_.lines.clear();
  state_.selected_row = -1;
  state_.compiled.clear();
}

void FireMacroEditor::ImageShown() {
  if (state_.slot != 0 && !state_.recording) Decode();
}

void FireMacroEditor::SelectSlot(int slot) {
  // The list is shut while a recording fills the selected slot.
  if (state_.recording || slot < 1 || slot > fire::kFireSlots) return;
  state_.slot = slot;
  state_.insert_open = false;
  Decode();
}

void FireMacroEditor::Decode() {
  const fire::DecodedFireSlot decoded = fire::DecodeFireSlot(Slot());
  state_.lines = decoded.lines;
  state_.stop_on_release = decoded.stop_on_release;
  state_.selected_row = static_cast<int>(state_.lines.size()) - 2;
  ShowCompiled();
}

void FireMacroEditor::ShowCompiled() {
  state_.compiled.clear();
  const auto slot = Slot();
  const size_t length = slot[1];
  if (length == 0 || length > fire::kMaxSlotLength) return;
  for (size_t i = 0; i <= length + 1; ++i) {
    char hex[3];
    std::snprintf(hex, sizeof(hex), "%02X", slot[i]);
    state_.compiled += hex;
  }
}

void FireMacroEditor::SelectRow(int row) {
  const int rows = static_cast<int>(state_.lines.size()) - 1;
  state_.selected_row = row >= 0 && row < rows ? row : -1;
}

void FireMacroEditor::ChooseDelayMode(macro::DelayMode mode) {
  if (!state_.recording) state_.options.mode = mode;
}

std::string FireMacroEditor::TypeDelay(const std::string& typed) {
  return state_.options.delay_text = kDelayBox.Typed(state_.options.delay_text, typed);
}

void FireMacroEditor::ChooseRelease(bool stop_on_release) {
  state_.stop_on_release = stop_on_release;
  // The flag is not under the checksum; its pointer type tells the mouse.
  if (state_.slot != 0 && fire::CheckFireSlot(Slot()) == fire::SlotCheck::kSealed) {
    fire::SetFireReleaseStop(config_, state_.slot, stop_on_release);
    ShowCompiled();
  }
}

bool FireMacroEditor::Compile(const macro::MacroLines& lines) {
  const bool stop = state_.stop_on_release.value_or(false);
  if (!fire::CompileFireSlot(lines, stop, Slot())) return false;
  if (Slot()[1] != 0) fire::SetFireReleaseStop(config_, state_.slot, stop);
  ShowCompiled();
  return true;
}

std::optional<std::string> FireMacroEditor::Store(macro::MacroLines lines, int select_row) {
  if (state_.slot == 0) return std::nullopt;
  if (!Compile(lines)) return text_("Str103");
  state_.lines = std::move(lines);
  SelectRow(select_row);
  return std::nullopt;
}

std::optional<std::string> FireMacroEditor::DeleteRow() {
  if (state_.selected_row < 0 || state_.recording) return std::nullopt;
  RowDeletion deletion = pages::DeleteRow(state_.lines, state_.selected_row);
  return Store(std::move(deletion.lines), deletion.select_row);
}

EditKind FireMacroEditor::KindOfSelectedRow() const {
  if (state_.selected_row < 0) return EditKind::kNone;
  const EditKind kind = KindOfLine(state_.lines[static_cast<size_t>(state_.selected_row) + 1]);
  // Only delays and clicks open a dialog here.
  return kind == EditKind::kDelay || kind == EditKind::kPress || kind == EditKind::kRelease
             ? kind
             : EditKind::kNone;
}

std::optional<std::string> FireMacroEditor::ApplyKey(int virtual_key) {
  const EditKind kind = KindOfSelectedRow();
  if (kind != EditKind::kPress && kind != EditKind::kRelease) return std::nullopt;
  macro::MacroLines lines = state_.lines;
  lines[static_cast<size_t>(state_.selected_row) + 1] =
      DialogKeyLine(kind == EditKind::kPress, virtual_key);
  return Store(std::move(lines), state_.selected_row);
}

std::optional<std::string> FireMacroEditor::ApplyNumber(const std::string& text) {
  const auto ms = kDelayBox.Value(text);
  if (KindOfSelectedRow() != EditKind::kDelay || !ms) return std::nullopt;
  macro::MacroLines lines = state_.lines;
  lines[static_cast<size_t>(state_.selected_row) + 1] = macro::DelayLine(*ms);
  return Store(std::move(lines), state_.selected_row);
}

void FireMacroEditor::OpenInsert() {
  if (state_.slot == 0 || state_.recording) return;
  state_.insert_open = true;
  saved_row_ = state_.selected_row;
  state_.insert_choice = FireInsertChoice::kDelayBefore;
}

std::string FireMacroEditor::TypeInsertBox(FireInsertChoice choice, const std::string& typed) {
  switch (choice) {
    case FireInsertChoice::kRepeatStartBefore:
    case FireInsertChoice::kRepeatEndAfter:
      return state_.repeat_text = kRepeatBox.Typed(state_.repeat_text, typed);
    case FireInsertChoice::kXBefore:
    case FireInsertChoice::kXAfter: return state_.x_text = kMoveBox.Typed(state_.x_text, typed);
    case FireInsertChoice::kYBefore:
    case FireInsertChoice::kYAfter: return state_.y_text = kMoveBox.Typed(state_.y_text, typed);
    default: return state_.insert_delay_text = kDelayBox.Typed(state_.insert_delay_text, typed);
  }
}

std::optional<std::string> FireMacroEditor::InsertOk() {
  if (!state_.insert_open) return std::nullopt;
  state_.insert_open = false;
  if (state_.selected_row < 0) return std::nullopt;
  std::optional<std::string> line;
  switch (state_.insert_choice) {
    case FireInsertChoice::kDelayBefore:
    case FireInsertChoice::kDelayAfter:
      if (const auto ms = kDelayBox.Value(state_.insert_delay_text)) line = macro::DelayLine(*ms);
      break;
    case FireInsertChoice::kRepeatStartBefore:
      // The repeat start stores the count less one, as the macro editor does.
      if (const auto n = kRepeatBox.Value(state_.repeat_text)) line = RepeatLine(*n);
      break;
    case FireInsertChoice::kRepeatEndAfter: line = "8 00FC"; break;
    case FireInsertChoice::kXBefore:
    case FireInsertChoice::kXAfter:
      if (const auto v = kMoveBox.Value(state_.x_text)) line = MoveLine(true, *v);
      break;
    case FireInsertChoice::kYBefore:
    case FireInsertChoice::kYAfter:
      if (const auto v = kMoveBox.Value(state_.y_text)) line = MoveLine(false, *v);
      break;
  }
  if (!line) return std::nullopt;
  const bool after = InsertsAfter(state_.insert_choice);
  macro::MacroLines lines = state_.lines;
  lines.insert(lines.begin() + state_.selected_row + (after ? 2 : 1), *line);
  return Store(std::move(lines), state_.selected_row + (after ? 1 : 0));
}

void FireMacroEditor::InsertCancel() {
  state_.insert_open = false;
  if (state_.slot != 0) Decode();
  SelectRow(saved_row_);
}

bool FireMacroEditor::StartRecording() {
  if (state_.slot == 0 || state_.recording || state_.insert_open) return false;
  if (gate_ && !gate_->Take(this)) return false;
  macro::RecorderSettings settings;
  settings.delay_mode = state_.options.mode;
  settings.default_delay_ms = kDelayBox.Value(state_.options.delay_text).value_or(0);
  settings.capacity = fire::kMaxSlotEvents;
  recorder_.emplace(settings);
  recorder_->SetLeftClickMasked(left_masked_);
  // The slot starts over: what was in it is replaced by what is recorded.
  const auto slot = Slot();
  std::fill(slot.begin(), slot.end(), 0);
  state_.lines = {macro::HeaderLine(settings.delay_mode, settings.default_delay_ms)};
  state_.selected_row = -1;
  state_.compiled.clear();
  state_.recording = true;
  return true;
}

void FireMacroEditor::StopRecording() {
  if (!state_.recording) return;
  recorder_.reset();
  state_.recording = false;
  if (gate_) gate_->Give(this);
  Compile(state_.lines);
}

void FireMacroEditor::Feed(const macro::RecordedInput& input) {
  using Kind = macro::RecordedInput::Kind;
  if (!recorder_ || (input.kind != Kind::kButtonDown && input.kind != Kind::kButtonUp) ||
      input.code != static_cast<int>(macro::MouseButton::kLeft)) {
    return;
  }
  const std::vector<std::string> lines = recorder_->Feed(input);
  if (lines.empty()) return;
  state_.lines.insert(state_.lines.end(), lines.begin(), lines.end());
  state_.selected_row = static_cast<int>(state_.lines.size()) - 2;
  Compile(state_.lines);
}

void FireMacroEditor::SetLeftClickMasked(bool masked) {
  left_masked_ = masked;
  if (recorder_) recorder_->SetLeftClickMasked(masked);
}

}  // namespace orvane::pages
