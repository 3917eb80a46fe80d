// The main window's pages: each page's binder over its controller.
#include <QColorDialog>
#include <QFileDialog>
#include <QSocketNotifier>

#include "ui/app/layout_colour.h"
#include "ui/app/main_window.h"
#include "ui/app/own_window_capture.h"
#include "ui/pages/button_page_binder.h"
#include "ui/pages/dpi_page_binder.h"
#include "ui/pages/engineer_page_binder.h"
#include "ui/pages/fire_editor_binder.h"
#include "ui/pages/fire_page_binder.h"
#include "ui/pages/lighting_page_binder.h"
#include "ui/pages/macro_page_binder.h"
#include "ui/pages/pointer_page_binder.h"

namespace orvane::ui {

std::function<std::optional<QColor>(const QColor&)>& MainWindow::ColourDialogHook() {
  static std::function<std::optional<QColor>(const QColor&)> hook;
  return hook;
}

std::function<bool(MacroDialogView&)>& MainWindow::MacroDialogHook() {
  static std::function<bool(MacroDialogView&)> hook;
  return hook;
}

std::function<std::string(bool)>& MainWindow::FileDialogHook() {
  static std::function<std::string(bool)> hook;
  return hook;
}

std::string MainWindow::ChooseFile(bool save) {
  if (FileDialogHook()) return FileDialogHook()(save);
  const QString file = save ? QFileDialog::getSaveFileName(this, {}, {}, "SaveFile(*.bin)")
                            : QFileDialog::getOpenFileName(this, {}, {}, "LoadFile(*.bin)");
  return file.toStdString();
}

platform::InputCapture*& MainWindow::InputCaptureHook() {
  static platform::InputCapture* hook = nullptr;
  return hook;
}

// The desktop's keys and clicks from the system; where there is no way to
// have them, what reaches this program's own windows.
platform::InputCapture* MainWindow::MakeInputCapture() {
  if (InputCaptureHook()) return InputCaptureHook();
  if (own_capture_) return own_capture_.get();  // one capture for every page
  std::string why;
  if (auto system = platform::MakeSystemInputCapture(&why)) {
    if (system->WakeDescriptor() >= 0) {
      auto* notifier = new QSocketNotifier(system->WakeDescriptor(), QSocketNotifier::Read, this);
      connect(notifier, &QSocketNotifier::activated, this,
              [capture = system.get()] { capture->Drain(); });
    }
    own_capture_ = std::move(system);
  } else {
    own_capture_ = std::make_unique<OwnWindowCapture>();
  }
  return own_capture_.get();
}

EventListWindow MainWindow::EventListHooks() {
  EventListWindow hooks;
  hooks.hide_all_menus = [this] { HideAllMenu(); };
  hooks.show_message = [this](const std::string& text) { ShowMessage(text); };
  hooks.text = [this](std::string_view key) { return shell_->Text(key); };
  hooks.window = this;
  hooks.run_dialog = [](MacroDialogView& dialog) {
    if (MacroDialogHook()) return MacroDialogHook()(dialog);
    return dialog.exec() == QDialog::Accepted;
  };
  hooks.capture = MakeInputCapture();
  return hooks;
}

void MainWindow::BindMacroPage() {
  MacroPageBinder::Window macros;
  static_cast<EventListWindow&>(macros) = EventListHooks();
  macros.choose_file = [this](bool save) { return ChooseFile(save); };
  macro_page_ = std::make_unique<MacroPageBinder>(*controls_, *shell_, macros);
  if (!macros.capture->SeesWholeDesktop()) {
    // Say on the page what a recording can hear.
    auto* note = new QLabel(
        QString::fromUtf8("Recording hears only keys and clicks in this window."), pages_[3]);
    note->setObjectName("lbl_RecordScope");
    const QWidget* start = controls_->Get("Btn_Start");
    note->setGeometry(start->x(), start->y() + start->height() + 4, 320, 20);
    note->setStyleSheet("color: #C8CDD6;");
  }
}

void MainWindow::BindFirePage() {
  FireEditorBinder::Window editor;
  static_cast<EventListWindow&>(editor) = EventListHooks();
  editor.redraw_fire_page = [this] { fire_page_->Redraw(); };
  fire_editor_ = std::make_unique<FireEditorBinder>(*controls_, *shell_, editor);

  FirePageBinder::Window fire;
  fire.hide_all_menus = [this] { HideAllMenu(); };
  fire.show_message = [this](const std::string& text) { ShowMessage(text); };
  fire.ask_colour = [this](const QColor& initial) { return AskColour(initial); };
  fire.choose_file = [this] { return ChooseFile(false); };
  fire.show_page = [this](app::Page page) { OnPageButton(page); };
  fire.hide_editor = [this] { fire_editor_->Hide(); };
  fire.redraw_editor = [this] { fire_editor_->Redraw(); };
  fire.redraw_pages = [this] { RedrawPages(); };
  fire_page_ = std::make_unique<FirePageBinder>(*controls_, *shell_, *key_menus_, fire);
}

void MainWindow::EndRecordingsBesides(app::Page page) {
  if (macro_page_ && page != app::Page::kMacro) macro_page_->EndRecording();
  if (fire_editor_ && page != app::Page::kFire) fire_editor_->EndRecording();
}

std::optional<QColor> MainWindow::AskColour(const QColor& initial) {
  if (ColourDialogHook()) return ColourDialogHook()(initial);
  const QColor chosen = QColorDialog::getColor(initial, this);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

// Each page's binder connects the controls it names to its controller.
void MainWindow::BindPages() {
  ButtonPageBinder::Window buttons;
  buttons.skin_width = skin_width_;
  buttons.skin_height = skin_height_;
  buttons.gun_option_in_layout = [this] {
    return layout_.Integer(layout_section_, "ComboKey3_Enable") == 1;
  };
  buttons.show_message = [this](const std::string& text) { ShowMessage(text); };
  buttons.hide_all_menus = [this] { HideAllMenu(); };
  buttons.ask_assembly_key = [this] { return AskAssemblyKey(); };
  buttons.dpi_count = shell_->Settings().dpi_count;
  button_page_ = std::make_unique<ButtonPageBinder>(*controls_, *shell_, *key_menus_, buttons);

  DpiPageBinder::Window dpi;
  dpi.hide_all_menus = [this] { HideAllMenu(); };
  dpi.names_switch_levels = [this] {
    return layout_.Integer(layout_section_, "DPI_Count_Visible") != 1;
  };
  dpi.name_colour = [this](bool in_use) {
    const char* key = in_use ? "Color_D_Selected" : "Color_D_notSelected";
    if (layout_.Has(layout_section_, std::string(key) + "_R")) return LayoutColour(key);
    return in_use ? LayoutColour("DPI_Lable") : QColor(0x70, 0x70, 0x78);
  };
  dpi.ask_colour = [this](const QColor& initial) { return AskColour(initial); };
  dpi_page_ = std::make_unique<DpiPageBinder>(*controls_, *shell_, dpi);

  LightingPageBinder::Window lighting;
  lighting.hide_all_menus = [this] { HideAllMenu(); };
  lighting.dpiled_status = shell_->Settings().dpiled_status;
  lighting_page_ = std::make_unique<LightingPageBinder>(*controls_, *shell_, lighting);
  pointer_page_ =
      std::make_unique<PointerPageBinder>(*controls_, *shell_, [this] { HideAllMenu(); });
  engineer_page_ =
      std::make_unique<EngineerPageBinder>(*controls_, *shell_, [this] { HideAllMenu(); });
  BindMacroPage();
  BindFirePage();
}

void MainWindow::RedrawPages() {
  if (button_page_) button_page_->Redraw();
  if (dpi_page_) dpi_page_->Redraw();
  if (lighting_page_) lighting_page_->Redraw();
  if (pointer_page_) pointer_page_->Redraw();
  if (engineer_page_) engineer_page_->Redraw();
  if (macro_page_) macro_page_->Redraw();
  if (fire_page_) fire_page_->Redraw();
  if (fire_editor_) fire_editor_->Redraw();
}

}  // namespace orvane::ui
