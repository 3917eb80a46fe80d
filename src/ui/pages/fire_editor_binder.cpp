#include "ui/pages/fire_editor_binder.h"

#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>

#include "ui/app/png_image.h"
#include "ui/app/skin_label.h"
#include "ui/pages/event_rows.h"

namespace orvane::ui {

namespace {

using macro::DelayMode;
using pages::FireInsertChoice;

struct ModeControls {
  DelayMode mode;
  const char* click;
  const char* lamp;
};
constexpr ModeControls kDelayModes[] = {
    {DelayMode::kRecord, "IB_FireRecDelay", "Img_FireRecDelay"},
    {DelayMode::kDefault, "IB_FireDelayTime", "Img_FireDelayTime"},
    {DelayMode::kNone, "IB_FireNoDelay", "Img_FireNoDelay"}};

// The controls the double click on the page shows.
constexpr const char* kEditorControls[] = {"LB_FireMacroName", "LB_FireMacro", "Btn_FireStart",
                                           "Img_FireStart", "GB_FireDelay"};

// The field each insert choice needs.
const char* InsertInput(FireInsertChoice choice) {
  switch (choice) {
    case FireInsertChoice::kRepeatStartBefore: return "edt_FireRepeat";
    case FireInsertChoice::kRepeatEndAfter: return nullptr;
    case FireInsertChoice::kXBefore:
    case FireInsertChoice::kXAfter: return "edt_FireXAxisValue";
    case FireInsertChoice::kYBefore:
    case FireInsertChoice::kYAfter: return "edt_FireYAxisValue";
    default: return "Edt_InsertFireDelay";
  }
}

}  // namespace

FireEditorBinder::FireEditorBinder(const ControlRegistry& controls, app::Shell& shell,
                                   Window window)
    : PageBinder(window.hide_all_menus),
      controls_(controls),
      shell_(shell),
      window_(std::move(window)) {
  auto* names = controls_.Get<QListWidget>("LB_FireMacroName");
  for (int slot = 1; slot <= fire::kFireSlots; ++slot)
    names->addItem(QString("Fire Macro%1").arg(slot));
  ConnectLists();
  ConnectOptions();
  ConnectPanels();
}

FireEditorBinder::~FireEditorBinder() { StopCapture(); }

void FireEditorBinder::Say(const std::optional<std::string>& message) {
  if (message) window_.show_message(*message);
}

void FireEditorBinder::Show() {
  Editor().Show();
  Redraw();
}

void FireEditorBinder::Hide() {
  if (Editor().State().recording) StopCapture();
  Editor().Hide();
  Redraw();
}

void FireEditorBinder::EndRecording() {
  if (!Editor().State().recording) return;
  StopCapture();
  Editor().StopRecording();
  AfterAct();
  Redraw();
}

void FireEditorBinder::ConnectLists() {
  auto* names = controls_.Get<QListWidget>("LB_FireMacroName");
  connect(names, &QListWidget::itemClicked, this, [this, names](QListWidgetItem* item) {
    Act([&] { Editor().SelectSlot(names->row(item) + 1); });
  });
  auto* rows = controls_.Get<QListWidget>("LB_FireMacro");
  connect(rows, &QListWidget::itemClicked, this, [this, rows](QListWidgetItem* item) {
    Act([&] { Editor().SelectRow(rows->row(item)); });
  });
  rows->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(rows, &QListWidget::customContextMenuRequested, this, [this, rows](const QPoint& at) {
    if (Editor().State().recording || Editor().State().insert_open) return;
    QListWidgetItem* item = rows->itemAt(at);
    Editor().SelectRow(item != nullptr ? rows->row(item) : -1);
    Redraw();
    if (Editor().State().slot == 0 || Editor().State().selected_row < 0) return;
    window_.hide_all_menus();
    ShowPanelAt(controls_.Get("Pnl_DevFireContent"), rows, at, window_.window);
  });
}

void FireEditorBinder::ConnectOptions() {
  for (const ModeControls& mode : kDelayModes) {
    const auto choose = [this, m = mode.mode] { Editor().ChooseDelayMode(m); };
    OnClick(controls_.Get<SkinLabel>(mode.click), choose);
    OnClick(controls_.Get<SkinLabel>(mode.lamp), choose);
  }
  OnTyped(controls_.Get<QLineEdit>("Edt_FireDelay"),
          [this](const std::string& typed) { return Editor().TypeDelay(typed); });
  for (const auto& [click, lamp, stop] :
       {std::tuple{"IB_FireReleaseStop", "Img_FireReleaseStop", true},
        std::tuple{"IB_FireReleaseContiue", "Img_FireReleaseContiue", false}}) {
    const auto choose = [this, stop = stop] { Editor().ChooseRelease(stop); };
    OnClick(controls_.Get<SkinLabel>(click), choose);
    OnClick(controls_.Get<SkinLabel>(lamp), choose);
  }
  OnClick(controls_.Get<SkinLabel>("Btn_FireStart"), [this] { ToggleRecording(); });
  // Clicks on the record button are commands, not part of the fire macro.
  auto* record = controls_.Get<SkinLabel>("Btn_FireStart");
  connect(record, &SkinLabel::entered, this, [this] { Editor().SetLeftClickMasked(true); });
  connect(record, &SkinLabel::left, this, [this] { Editor().SetLeftClickMasked(false); });
}

void FireEditorBinder::ConnectPanels() {
  OnClick(controls_.Get<SkinLabel>("Btn_FireDel"), [this] { Say(Editor().DeleteRow()); });
  OnClick(controls_.Get<SkinLabel>("Btn_FireInsert"), [this] { Editor().OpenInsert(); });
  OnClick(controls_.Get<SkinLabel>("Btn_FireEdit"), [this] {
    Say(EditRow(
        Editor().KindOfSelectedRow(), {window_.text, window_.window, window_.run_dialog},
        [this](int key) { return Editor().ApplyKey(key); },
        [this](const std::string& text) { return Editor().ApplyNumber(text); }));
  });
  OnChoice(controls_.Get<QComboBox>("CB_InsertFire"),
           [this](int index) { Editor().ChooseInsert(static_cast<FireInsertChoice>(index)); });
  for (const auto& [name, choice] :
       {std::pair{"Edt_InsertFireDelay", FireInsertChoice::kDelayBefore},
        std::pair{"edt_FireXAxisValue", FireInsertChoice::kXBefore},
        std::pair{"edt_FireYAxisValue", FireInsertChoice::kYBefore},
        std::pair{"edt_FireRepeat", FireInsertChoice::kRepeatStartBefore}}) {
    OnTyped(controls_.Get<QLineEdit>(name), [this, choice = choice](const std::string& typed) {
      return Editor().TypeInsertBox(choice, typed);
    });
  }
  OnClick(controls_.Get<SkinLabel>("Btn_FireOK"), [this] { Say(Editor().InsertOk()); });
  OnClick(controls_.Get<SkinLabel>("Btn_FireCancel"), [this] { Editor().InsertCancel(); });
}

void FireEditorBinder::ToggleRecording() {
  if (Editor().State().recording) {
    StopCapture();
    Editor().StopRecording();
  } else if (Editor().StartRecording() && window_.capture) {
    window_.capture->Start([this](const auto& input) { Deliver(input); });
  }
}

void FireEditorBinder::StopCapture() {
  if (window_.capture && Editor().State().recording) window_.capture->Stop();
}

// One event of the desktop, on the window's thread, in arrival order.
void FireEditorBinder::Deliver(const platform::CapturedInput& input) {
  if (!Editor().State().recording) return;
  // The record button's own enter event may come after the desktop's
  // press: ask where the pointer is.
  const QWidget* button = controls_.Get("Btn_FireStart");
  Editor().SetLeftClickMasked(button->isVisible() &&
                              button->rect().contains(button->mapFromGlobal(QCursor::pos())));
  macro::RecordedInput event;
  event.kind = static_cast<macro::RecordedInput::Kind>(input.kind);
  event.code = input.code;
  event.time_ms = input.time_ms;
  const size_t lines_before = Editor().State().lines.size();
  Editor().Feed(event);
  if (Editor().State().lines.size() != lines_before) {
    AfterAct();
    ShowEventRows(controls_.Get<QListWidget>("LB_FireMacro"), Editor().State().lines,
                  Editor().State().selected_row);
  }
}

void FireEditorBinder::AfterAct() {
  shell_.Pages().fire.SlotsChanged();
  window_.redraw_fire_page();
}

void FireEditorBinder::Redraw() {
  const pages::FireEditorState& state = Editor().State();
  for (const char* name : kEditorControls)
    controls_.Get(name)->setVisible(state.shown &&
                                    !(state.insert_open && name == kEditorControls[4]));
  auto* names = controls_.Get<QListWidget>("LB_FireMacroName");
  {
    const QSignalBlocker quiet(names);
    names->setCurrentRow(state.slot - 1);
    if (state.slot == 0) names->clearSelection();
  }
  // The slot list is shut while a recording fills the selected slot.
  names->setEnabled(!state.recording && !state.insert_open);
  ShowEventRows(controls_.Get<QListWidget>("LB_FireMacro"), state.lines, state.selected_row);
  RedrawOptions();
  RedrawInsertPanel();
}

void FireEditorBinder::RedrawOptions() {
  const pages::FireEditorState& state = Editor().State();
  for (const ModeControls& mode : kDelayModes) {
    const bool on = state.options.mode == mode.mode;
    controls_.Get<QLabel>(mode.lamp)->setPixmap(SkinPicture(on ? "RdS_E" : "RdS_D"));
  }
  auto* delay = controls_.Get<QLineEdit>("Edt_FireDelay");
  SetTextIfOther(delay, state.options.delay_text);
  delay->setEnabled(state.options.mode == DelayMode::kDefault && !state.recording);
  controls_.Get("GB_FireDelay")->setEnabled(!state.recording);
  for (const auto& [lamp, stop] :
       {std::pair{"Img_FireReleaseStop", true}, std::pair{"Img_FireReleaseContiue", false}}) {
    const bool on = state.stop_on_release == stop;
    controls_.Get<QLabel>(lamp)->setPixmap(SkinPicture(on ? "RdS_E" : "RdS_D"));
  }
  controls_.Get<QLabel>("Btn_FireStart")
      ->setText(QString::fromStdString(window_.text(state.recording ? "Str401" : "Str400")));
  controls_.Get<QLabel>("Img_FireStart")
      ->setPixmap(SkinPicture(state.recording ? "MacroS_04" : "MacroS_01"));
  controls_.Get("Btn_FireStart")->setEnabled(!state.insert_open);
}

void FireEditorBinder::RedrawInsertPanel() {
  const pages::FireEditorState& state = Editor().State();
  controls_.Get("Gb_InsertFire")->setVisible(state.shown && state.insert_open);
  if (!state.insert_open) return;
  SelectQuietly(controls_.Get<QComboBox>("CB_InsertFire"), static_cast<int>(state.insert_choice));
  const char* input = InsertInput(state.insert_choice);
  for (const char* name :
       {"Edt_InsertFireDelay", "edt_FireXAxisValue", "edt_FireYAxisValue", "edt_FireRepeat"})
    controls_.Get(name)->setVisible(input != nullptr && name == std::string(input));
  SetTextIfOther(controls_.Get<QLineEdit>("Edt_InsertFireDelay"), state.insert_delay_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_FireXAxisValue"), state.x_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_FireYAxisValue"), state.y_text);
  SetTextIfOther(controls_.Get<QLineEdit>("edt_FireRepeat"), state.repeat_text);
}

}  // namespace orvane::ui
