#include "ui/pages/macro_page_binder.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "core/macro/macro_library.h"
#include "platform/atomic_file.h"
#include "ui/app/png_image.h"
#include "ui/app/skin_label.h"
#include "ui/pages/event_rows.h"

namespace orvane::ui {

namespace {

using macro::DelayMode;
using pages::InsertChoice;

struct ModeControls {
  DelayMode mode;
  const char* click;
  const char* lamp;
  const char* radio;
};
constexpr ModeControls kDelayModes[] = {
    {DelayMode::kRecord, "IB_RecDelay", "Img_RecDelay", "rb_RecDelay"},
    {DelayMode::kDefault, "IB_DelayTime", "Img_DelayTime", "rb_DelayTime"},
    {DelayMode::kNone, "IB_NoDelay", "Img_NoDelay", "rb_NoDelay"}};
constexpr ModeControls kInsertDelayModes[] = {
    {DelayMode::kRecord, "IB_InsertRecDelay", "Img_InsertRecDelay", "rb_InsertRecDelay"},
    {DelayMode::kDefault, "IB_InsertDelayTime", "Img_InsertDelayTime", "rb_InsertDelayTime"},
    {DelayMode::kNone, "IB_InsertNoDelay", "Img_InsertNoDelay", "rb_InsertNoDelay"}};

bool IsKeyChoice(InsertChoice choice) {
  return choice == InsertChoice::kKeyFront || choice == InsertChoice::kKeyBack;
}

// The input each insert choice shows.
const char* InsertInput(InsertChoice choice) {
  switch (choice) {
    case InsertChoice::kRepeatStart:
    case InsertChoice::kRepeatStop: return "edt_Repeat";
    case InsertChoice::kXFront:
    case InsertChoice::kXBack: return "edt_XAxisValue";
    case InsertChoice::kYFront:
    case InsertChoice::kYBack: return "edt_YAxisValue";
    default: return "Edt_InsertDelay";
  }
}

}  // namespace

MacroPageBinder::MacroPageBinder(const ControlRegistry& controls, app::Shell& shell, Window window)
    : PageBinder(window.hide_all_menus),
      controls_(controls),
      shell_(shell),
      window_(std::move(window)),
      editor_(shell.Pages().macros, window_.text, &shell.Pages().recording) {
  ConnectLibrary();
  ConnectLibraryPanel();
  ConnectOptions();
  ConnectEvents();
  ConnectInsertPanel();
  ConnectRecording();
}

MacroPageBinder::~MacroPageBinder() {
  if (editor_.State().recording && window_.capture) window_.capture->Stop();
}

void MacroPageBinder::Say(const std::optional<std::string>& message) {
  if (message) window_.show_message(*message);
}

void MacroPageBinder::ShowPanelAt(const char* panel, QListWidget* list, const QPoint& at) {
  window_.hide_all_menus();
  ui::ShowPanelAt(controls_.Get(panel), list, at, window_.window);
}

void MacroPageBinder::SelectEntry(int row) {
  Library().Select(row);
  editor_.EntrySelected();
}

void MacroPageBinder::ConnectLibrary() {
  auto* list = controls_.Get<QListWidget>("LB_PCMacroName");
  connect(list, &QListWidget::itemClicked, this,
          [this, list](QListWidgetItem* item) { Act([&] { SelectEntry(list->row(item)); }); });
  // A right click selects the entry under the pointer (none below the last)
  // and opens the library's panel there.
  list->viewport()->installEventFilter(this);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    if (editor_.State().recording) return;
    QListWidgetItem* item = list->itemAt(at);
    SelectEntry(item != nullptr ? list->row(item) : -1);
    Redraw();
    ShowPanelAt("Pnl_PCMacro", list, at);
  });
}

bool MacroPageBinder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress || editor_.State().recording) return false;
  auto* library = controls_.Get<QListWidget>("LB_PCMacroName");
  auto* rows = controls_.Get<QListWidget>("LB_macro");
  const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
  if (watched == library->viewport() && library->itemAt(at) == nullptr) {
    Act([&] { SelectEntry(-1); });
  } else if (watched == rows->viewport() && rows->itemAt(at) == nullptr) {
    Act([&] { editor_.SelectRow(-1); });
  }
  return false;
}

void MacroPageBinder::ConnectLibraryPanel() {
  const auto on = [this](const char* name, std::function<void()> act) {
    OnClick(controls_.Get<SkinLabel>(name), std::move(act));
  };
  on("Btn_NewMacro", [this] {
    editor_.ChooseRelease(false);
    NewEntry();
  });
  on("Btn_NewName", [this] {
    if (Library().State().selected < 0) return;
    if (const auto name = AskName()) Say(Library().RenameSelected(*name));
  });
  on("Btn_DelPCMacro", [this] {
    Say(Library().DeleteSelected());
    editor_.EntrySelected();
  });
  on("Btn_ImportOne", [this] { ImportOne(); });
  on("Btn_Import", [this] { ImportAll(); });
  on("Btn_ExportOne", [this] { Export(true); });
  on("Btn_Export", [this] { Export(false); });
  on("Btn_New", [this] { NewEntry(); });
}

MacroDialogView::Captions MacroPageBinder::CaptionsFor(const char* title) const {
  return {QString::fromStdString(window_.text(title)),
          QString::fromStdString(window_.text("Str511")),
          QString::fromStdString(window_.text("Str512"))};
}

std::optional<std::string> MacroPageBinder::AskName() {
  QFont font(QString::fromStdString(window_.text("FontName")));
  font.setPixelSize(15);
  MacroDialogView dialog(MacroDialogView::Kind::kName, CaptionsFor("Str510"), font, {},
                         window_.window);
  if (!window_.run_dialog(dialog) || dialog.Text().empty()) return std::nullopt;
  return dialog.Text();
}

void MacroPageBinder::NewEntry() {
  if (!Library().State().can_add || editor_.State().recording) return;
  const auto name = AskName();
  if (!name) return;
  Say(Library().AddEntry(*name));
  editor_.EntrySelected();
}

void MacroPageBinder::ImportOne() {
  const std::string path = window_.choose_file(false);
  if (path.empty()) return;
  const auto bytes = macro::ReadFileBytes(path, Library().EntryBytes());
  if (!bytes) return Say("The file " + path + " cannot be read.");
  Say(Library().ImportOne(*bytes));
  editor_.EntrySelected();
}

void MacroPageBinder::ImportAll() {
  const std::string path = window_.choose_file(false);
  if (path.empty()) return;
  const auto bytes = macro::ReadFileBytes(path, 32u << 20);
  if (!bytes) return Say("The file " + path + " cannot be read.");
  const pages::ImportAllResult result = Library().ImportAll(*bytes);
  editor_.EntrySelected();
  if (result.error) return Say(result.error);
  if (result.skipped.empty()) return;
  std::string names;
  for (const std::string& name : result.skipped)
    names += (names.empty() ? "" : ", ") + name;
  Say("Imported " + std::to_string(result.imported) +
      " macros. Left out, for a missing or repeated name: " + names + ".");
}

void MacroPageBinder::Export(bool one) {
  if (one && Library().State().selected < 0) return;
  std::string path = window_.choose_file(true);
  if (path.empty()) return;
  // The files are .bin files; a name that has the ending keeps just the one.
  if (path.size() < 4 || path.compare(path.size() - 4, 4, ".bin") != 0) path += ".bin";
  const std::vector<uint8_t> bytes = one ? *Library().ExportSelected() : Library().ExportAll();
  std::string error;
  if (!util::WriteFileAtomically(path, bytes, &error)) Say("Not exported: " + error);
}

void MacroPageBinder::ConnectOptions() {
  for (const ModeControls& mode : kDelayModes) {
    const auto choose = [this, m = mode.mode] { editor_.ChooseDelayMode(m); };
    OnClick(controls_.Get<SkinLabel>(mode.click), choose);
    OnClick(controls_.Get<SkinLabel>(mode.lamp), choose);
  }
  OnTyped(controls_.Get<QLineEdit>("Edt_Delay"),
          [this](const std::string& typed) { return editor_.TypeDelay(typed); });
  for (const auto& [click, lamp, stop] :
       {std::tuple{"IB_ReleaseStop", "Img_ReleaseStop", true},
        std::tuple{"IB_ReleaseContiue", "Img_ReleaseContiue", false}}) {
    const auto choose = [this, stop = stop] { Say(editor_.ChooseRelease(stop)); };
    OnClick(controls_.Get<SkinLabel>(click), choose);
    OnClick(controls_.Get<SkinLabel>(lamp), choose);
  }
}

void MacroPageBinder::ConnectEvents() {
  auto* list = controls_.Get<QListWidget>("LB_macro");
  list->viewport()->installEventFilter(this);
  connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) {
    Act([&] { editor_.SelectRow(list->row(item)); });
  });
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QListWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
    if (editor_.State().recording || editor_.State().insert_open) return;
    QListWidgetItem* item = list->itemAt(at);
    editor_.SelectRow(item != nullptr ? list->row(item) : -1);
    Redraw();
    if (Library().State().selected >= 0 && editor_.State().selected_row >= 0) {
      ShowPanelAt("Pnl_DevContent", list, at);
    }
  });
  OnClick(controls_.Get<SkinLabel>("Btn_Del"), [this] { Say(editor_.DeleteRow()); });
  OnClick(controls_.Get<SkinLabel>("Btn_Insert"), [this] { editor_.OpenInsert(); });
  OnClick(controls_.Get<SkinLabel>("Btn_Edit"), [this] { EditSelectedRow(); });
}

void MacroPageBinder::EditSelectedRow() {
  Say(EditRow(
      editor_.KindOfSelectedRow(), {window_.text, window_.window, window_.run_dialog},
      [this](int key) { return editor_.ApplyKey(key); },
      [this](const std::string& text) { return editor_.ApplyNumber(text); }));
}

void MacroPageBinder::ConnectInsertPanel() {
  OnChoice(controls_.Get<QComboBox>("CB_Insert"),
           [this](int index) { editor_.ChooseInsert(static_cast<InsertChoice>(index)); });
  for (const ModeControls& mode : kInsertDelayModes) {
    const auto choose = [this, m = mode.mode] { editor_.ChooseInsertDelayMode(m); };
    OnClick(controls_.Get<SkinLabel>(mode.click), choose);
    OnClick(controls_.Get<SkinLabel>(mode.lamp), choose);
  }
  for (const auto& [name, box] : {std::pair{"Edt_InsertDelay", InsertChoice::kDelayFront},
                                  std::pair{"edt_XAxisValue", InsertChoice::kXFront},
                                  std::pair{"edt_YAxisValue", InsertChoice::kYFront},
                                  std::pair{"edt_Repeat", InsertChoice::kRepeatStart}}) {
    OnTyped(controls_.Get<QLineEdit>(name), [this, box = box](const std::string& typed) {
      return editor_.TypeInsertBox(box, typed);
    });
  }
  OnClick(controls_.Get<SkinLabel>("Btn_InsertStart"), [this] { ToggleInsertRecording(); });
  OnClick(controls_.Get<SkinLabel>("Btn_OK"), [this] { Say(editor_.InsertOk()); });
  OnClick(controls_.Get<SkinLabel>("Btn_Cancel"), [this] { editor_.InsertCancel(); });
}

void MacroPageBinder::ConnectRecording() {
  OnClick(controls_.Get<SkinLabel>("Btn_Start"), [this] { ToggleRecording(); });
  // Clicks on the record buttons are commands, not part of the macro.
  for (const char* name : {"Btn_Start", "Btn_New", "Btn_InsertStart"}) {
    auto* button = controls_.Get<SkinLabel>(name);
    connect(button, &SkinLabel::entered, this, [this] {
      editor_.SetLeftClickMasked(true);
      ShowRecordingLooks();
    });
    connect(button, &SkinLabel::left, this, [this] {
      editor_.SetLeftClickMasked(false);
      ShowRecordingLooks();
    });
  }
}

void MacroPageBinder::ToggleRecording() {
  if (editor_.State().insert_recording) return;
  if (editor_.State().recording) {
    StopCapture();
    controls_.Get<QLabel>("Img_Start")->setPixmap(SkinPicture("MacroS_03"));
    Say(editor_.StopRecording());
  } else if (editor_.StartRecording()) {
    StartCapture();
  }
}

void MacroPageBinder::EndRecording() {
  if (editor_.State().insert_recording) {
    ToggleInsertRecording();
  } else if (editor_.State().recording) {
    ToggleRecording();
  }
  Redraw();
}

void MacroPageBinder::ToggleInsertRecording() {
  if (editor_.State().insert_recording) {
    StopCapture();
    editor_.StopInsertRecording();
  } else if (editor_.StartInsertRecording()) {
    StartCapture();
  }
}

void MacroPageBinder::StartCapture() {
  if (window_.capture) window_.capture->Start([this](const auto& input) { Deliver(input); });
}

void MacroPageBinder::StopCapture() {
  if (window_.capture) window_.capture->Stop();
}

// One event of the desktop, on the window's thread, in arrival order.
void MacroPageBinder::Deliver(const platform::CapturedInput& input) {
  if (!editor_.State().recording) return;
  // A left click on a record button is a command; the button's own enter
  // event may come after the desktop's press, so ask where the pointer is.
  if (input.kind == platform::CapturedInput::Kind::kButtonDown ||
      input.kind == platform::CapturedInput::Kind::kButtonUp) {
    bool over = false;
    for (const char* name : {"Btn_Start", "Btn_New", "Btn_InsertStart"}) {
      const QWidget* button = controls_.Get(name);
      over = over || (button->isVisible() &&
                      button->rect().contains(button->mapFromGlobal(QCursor::pos())));
    }
    editor_.SetLeftClickMasked(over);
  }
  macro::RecordedInput event;
  event.kind = static_cast<macro::RecordedInput::Kind>(input.kind);
  event.code = input.code;
  event.time_ms = input.time_ms;
  const size_t lines_before = editor_.State().lines.size();
  if (editor_.Feed(event)) {
    StopCapture();
    Redraw();
  } else if (editor_.State().lines.size() != lines_before) {
    // Only the rows change while a recording runs.
    RedrawEvents();
  }
}

void MacroPageBinder::Redraw() {
  RedrawLibrary();
  RedrawEvents();
  RedrawOptions();
  RedrawInsertPanel();
  ShowRecordingLooks();
}

void MacroPageBinder::ShowRecordingLooks() {
  const pages::MacroEditorState& state = editor_.State();
  if (state.recording && !state.insert_recording) {
    controls_.Get<QLabel>("Img_Start")->setPixmap(SkinPicture("MacroS_04"));
  }
  if (state.insert_recording) {
    controls_.Get<QLabel>("Img_InsertStart")->setPixmap(SkinPicture("MacroS_04"));
  }
}

void MacroPageBinder::RedrawLibrary() {
  const pages::MacroLibraryState& library = Library().State();
  const bool busy = editor_.State().recording || editor_.State().insert_open;
  auto* list = controls_.Get<QListWidget>("LB_PCMacroName");
  ShowItems(list, library.names);
  ShowItems(controls_.Get<QListWidget>("LB_Name"), library.names);
  const QSignalBlocker quiet(list);
  list->setCurrentRow(library.selected);
  if (library.selected < 0) list->clearSelection();
  list->setEnabled(!busy);
  controls_.Get("Btn_New")->setEnabled(library.can_add && !busy);
  controls_.Get("Btn_NewMacro")->setEnabled(library.can_add);
}

void MacroPageBinder::RedrawEvents() {
  ShowEventRows(controls_.Get<QListWidget>("LB_macro"), editor_.State().lines,
                editor_.State().selected_row);
}

void MacroPageBinder::RedrawOptions() {
  const pages::MacroEditorState& state = editor_.State();
  for (const ModeControls& mode : kDelayModes) {
    const bool on = state.options.mode == mode.mode;
    controls_.Get<QLabel>(mode.lamp)->setPixmap(SkinPicture(on ? "RdS_E" : "RdS_D"));
    controls_.Get<QRadioButton>(mode.radio)->setChecked(on);
  }
  auto* delay = controls_.Get<QLineEdit>("Edt_Delay");
  SetTextIfOther(delay, state.options.delay_text);
  delay->setEnabled(state.options.mode == DelayMode::kDefault && !state.recording);
  controls_.Get("Gb_Delay")->setEnabled(!state.recording);
  controls_.Get("Gb_Delay")->setVisible(!state.insert_open);
  for (const auto& [lamp, radio, stop] :
       {std::tuple{"Img_ReleaseStop", "rb_ReleaseStop", true},
        std::tuple{"Img_ReleaseContiue", "rb_ReleaseContinue", false}}) {
    const bool on = state.stop_on_release == stop;
    controls_.Get<QLabel>(lamp)->setPixmap(SkinPicture(on ? "RdS_E" : "RdS_D"));
    controls_.Get<QRadioButton>(radio)->setChecked(on);
  }
  const bool recording = state.recording && !state.insert_recording;
  controls_.Get<QLabel>("Btn_Start")
      ->setText(QString::fromStdString(window_.text(recording ? "Str401" : "Str400")));
}

void MacroPageBinder::RedrawInsertPanel() {
  const pages::MacroEditorState& state = editor_.State();
  controls_.Get("Gb_Insert")->setVisible(state.insert_open);
  if (!state.insert_open) return;
  const InsertChoice choice = state.insert_choice;
  const bool keys = IsKeyChoice(choice);
  controls_.Get<QLabel>("Img_InsertBase")
      ->setPixmap(SkinPicture(keys ? "InsertKeyBase" : "InsertDelayBase"));
  auto* list = controls_.Get<QComboBox>("CB_Insert");
  const QSignalBlocker quiet(list);
  list->setCurrentIndex(static_cast<int>(choice));
  list->setEnabled(!state.insert_recording);
  for (const char* input : {"Edt_InsertDelay", "edt_XAxisValue", "edt_YAxisValue", "edt_Repeat"}) {
    controls_.Get(input)->setVisible(input == std::string(InsertInput(choice)));
  }
  SetTextIfOther(controls_.Get<QLineEdit>("Edt_InsertDelay"), state.insert_options.delay_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_XAxisValue"), state.x_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_YAxisValue"), state.y_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_Repeat"), state.repeat_text);
  for (const ModeControls& mode : kInsertDelayModes) {
    const bool on = state.insert_options.mode == mode.mode;
    controls_.Get<QLabel>(mode.lamp)->setPixmap(SkinPicture(on ? "RdS_E" : "RdS_D"));
    controls_.Get<QRadioButton>(mode.radio)->setChecked(on);
    controls_.Get(mode.lamp)->setVisible(keys);
    controls_.Get(mode.click)->setVisible(keys);
  }
  controls_.Get("Btn_InsertStart")->setVisible(keys);
  controls_.Get("Img_InsertStart")->setVisible(keys);
  controls_.Get<QLabel>("Btn_InsertStart")
      ->setText(QString::fromStdString(window_.text(state.insert_recording ? "Str401" : "Str400")));
  controls_.Get<QLabel>("Btn_OK")->setText(
      QString::fromStdString(window_.text(keys ? "Str421" : "Str420")));
  for (const char* button : {"Btn_OK", "Btn_Cancel"})
    controls_.Get(button)->setEnabled(!state.insert_recording);
  // The overlay holds the panel still while keys are recorded; its own
  // Stop stays on top.
  controls_.Get("GB_Dis")->setVisible(state.insert_recording);
  controls_.Get("Img_InsertStart")->raise();
  controls_.Get("Btn_InsertStart")->raise();
}

}  // namespace orvane::ui
