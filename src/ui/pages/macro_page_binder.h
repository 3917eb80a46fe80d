#pragma once

#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/app/shell.h"
#include "core/pages/macro_editor.h"
#include "platform/input_capture.h"
#include "ui/app/control_registry.h"
#include "ui/macro/macro_dialog.h"
#include "ui/pages/event_rows.h"
#include "ui/pages/page_binder.h"

class QListWidget;

namespace orvane::ui {

// The macro page on screen: the library list with its context panel, the
// event list with its context panel and the insert panel, the delay and
// release options, and recording through the desktop's input capture. The
// library and the editor are the controllers; every redraw comes from them.
class MacroPageBinder : public PageBinder {
 public:
  struct Window : EventListWindow {
    // A file to import (open) or to export to (save); empty when cancelled.
    std::function<std::string(bool save)> choose_file;
  };

  MacroPageBinder(const ControlRegistry& controls, app::Shell& shell, Window window);
  ~MacroPageBinder() override;

  void Redraw() override;
  pages::MacroEditor& Editor() { return editor_; }
  // Another page is shown: a recording running here ends as its Stop would.
  void EndRecording();

 protected:
  // A press below the last row of either list selects nothing.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  pages::MacroLibraryPage& Library() { return shell_.Pages().macros; }
  void ConnectLibrary();
  void ConnectLibraryPanel();
  void ConnectOptions();
  void ConnectEvents();
  void ConnectInsertPanel();
  void ConnectRecording();
  void ShowPanelAt(const char* panel, QListWidget* list, const QPoint& at);
  void SelectEntry(int row);
  void Say(const std::optional<std::string>& message);
  // The name dialog: the name confirmed, or nothing.
  std::optional<std::string> AskName();
  void NewEntry();
  void EditSelectedRow();
  void ImportOne();
  void ImportAll();
  void Export(bool one);
  void ToggleRecording();
  void ToggleInsertRecording();
  void StartCapture();
  void StopCapture();
  void Deliver(const platform::CapturedInput& input);
  MacroDialogView::Captions CaptionsFor(const char* title) const;
  void RedrawLibrary();
  void RedrawEvents();
  void RedrawOptions();
  void RedrawInsertPanel();
  // While a recording runs, its button shows the recording picture.
  void ShowRecordingLooks();

  const ControlRegistry& controls_;
  app::Shell& shell_;
  Window window_;
  pages::MacroEditor editor_;
};

}  // namespace orvane::ui
