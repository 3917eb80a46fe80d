#pragma once

#include <QBitmap>
#include <QColor>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/app/ini_table.h"
#include "core/app/layout_rules.h"
#include "core/app/shell.h"
#include "platform/input_capture.h"
#include "ui/app/busy_window.h"
#include "ui/app/control_registry.h"
#include "ui/app/engineer_page_view.h"
#include "ui/app/key_menu_view.h"
#include "ui/app/page_controls_view.h"
#include "ui/app/skin_label.h"
#include "ui/pages/event_rows.h"

class QLabel;

namespace orvane::ui {

class ButtonPageBinder;
class DpiPageBinder;
class LightingPageBinder;
class PointerPageBinder;
class EngineerPageBinder;
class MacroPageBinder;
class FirePageBinder;
class FireEditorBinder;
class MacroDialogView;
class PageButtonsView;
class KeyLabelsView;
class RollingCaptionView;
class AssemblyKeyDialogView;

// DevTimer as a window timer.
class QtShellTimer : public app::ShellTimer {
 public:
  QTimer timer;
  void SetEnabled(bool enabled) override {
    if (enabled && !timer.isActive()) timer.start(app::Shell::kDevTimerMs);
    if (!enabled) timer.stop();
  }
  bool Enabled() const override { return timer.isActive(); }
};

// TForm1: the skinned, shaped main window. It lays out the pictures and
// labels the embedded tables describe and forwards every click to the shell.
class MainWindow : public QWidget, public app::ShellView {
 public:
  static constexpr const char* kCaption = "Orvane Gaming Mouse v1.0";

  // `driver`: the vendor driver's devices, for the driver-mode product.
  MainWindow(platform::HidBackend& backend, platform::Pacer& pacer, std::string exe_dir,
             platform::DriverBackend* driver = nullptr,
             platform::PointerSettings* pointer = nullptr);
  ~MainWindow() override;

  app::Shell& shell() { return *shell_; }
  // Lays the window out from a layout table of set n (the embedded one, or
  // another for tests of the rules).
  void ApplyLayoutTable(int n, const app::IniTable& table);
  QtShellTimer& devTimer() { return timer_; }
  // Tests see messages here instead of a modal box.
  static std::function<void(const QString&)>& MessageHook();
  // Tests drive the assembly-key dialog here instead of a modal run.
  static std::function<std::string(AssemblyKeyDialogView&)>& AssemblyDialogHook();
  // Tests answer the macro page's dialogs here (true: confirmed), choose its
  // files (empty: cancelled) and hand in the desktop's input.
  static std::function<bool(MacroDialogView&)>& MacroDialogHook();
  static std::function<std::string(bool save)>& FileDialogHook();
  // A file to open or save, through the hook when a test set one.
  std::string ChooseFile(bool save);
  static platform::InputCapture*& InputCaptureHook();
  MacroPageBinder& MacroPage() { return *macro_page_; }
  FireEditorBinder& FireEditor() { return *fire_editor_; }
  // Tests answer the colour dialog here: the colour chosen, or nothing.
  static std::function<std::optional<QColor>(const QColor&)>& ColourDialogHook();

  // ShellView.
  void ShowPage(app::Page page) override;
  void SetInputBlocked(bool blocked) override;
  void SetBusyVisible(bool visible) override;
  void ShowMessage(const std::string& text) override;
  void HideAllMenu() override;
  void SetKeyMenuHeight(int height) override;
  void ShowConfiguration(const config::Configuration& configuration) override;
  void ClearMacroLists() override {}
  void ShowMacroLibraryNames(const std::vector<std::string>& names) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildPages();
  void BindPages();
  void RedrawPages();
  std::optional<QColor> AskColour(const QColor& initial);
  platform::InputCapture* MakeInputCapture();
  // What the pages with event lists need of the window.
  EventListWindow EventListHooks();
  void BindMacroPage();
  void BindFirePage();
  // Showing another page ends a recording on the page left.
  void EndRecordingsBesides(app::Page page);
  // The assembly-key dialog: the code of the key it built, or nothing.
  std::string AskAssemblyKey();
  void BuildKeyLabels();
  void BuildKeyMenu();
  void BuildEngineerPage();
  void BuildMarkers();
  void SetMarkers();
  void ApplyLayout(int n);
  void PlacePagePicture(int n, int page);
  void ApplyLanguage();
  void ConnectButtons();
  void OnPageButton(app::Page page);
  void OnLanguageButton(int n);
  bool RequireMouse();
  void SaveProfile();
  void LoadProfile();
  void MarkPageButtons();
  QString Text(const char* key) const;
  // Three keys prefix_R, prefix_G, prefix_B of the layout in use.
  QColor LayoutColour(const char* prefix) const;

  QtShellTimer timer_;
  std::unique_ptr<app::Shell> shell_;
  BusyWindow busy_;
  app::IniTable layout_;
  std::string layout_section_;
  std::array<QWidget*, 6> pages_{};
  std::array<QLabel*, 5> backgrounds_{};
  std::array<QWidget*, 4> blockers_{};
  std::unique_ptr<PageButtonsView> page_buttons_;
  std::unique_ptr<RollingCaptionView> rolling_;
  std::unique_ptr<KeyLabelsView> key_labels_;
  std::array<QLabel*, 5> page_pictures_{};  // Img_P1..Img_P5
  std::unique_ptr<PageControlsView> page_controls_;
  std::unique_ptr<EngineerPageView> engineer_;
  std::unique_ptr<KeyMenuView> key_menus_;
  std::optional<QPoint> drag_from_;  // a drag we move ourselves, without a window manager
  bool device_work_ = false;
  bool close_after_work_ = false;
  std::unique_ptr<ControlRegistry> controls_;
  std::unique_ptr<ButtonPageBinder> button_page_;
  std::unique_ptr<DpiPageBinder> dpi_page_;
  std::unique_ptr<LightingPageBinder> lighting_page_;
  std::unique_ptr<PointerPageBinder> pointer_page_;
  std::unique_ptr<EngineerPageBinder> engineer_page_;
  std::unique_ptr<platform::InputCapture> own_capture_;
  std::unique_ptr<MacroPageBinder> macro_page_;
  std::unique_ptr<FirePageBinder> fire_page_;
  std::unique_ptr<FireEditorBinder> fire_editor_;
  QBitmap skin_mask_;
  int skin_width_ = 0;
  int skin_height_ = 0;
};

}  // namespace orvane::ui
