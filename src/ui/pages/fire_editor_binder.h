#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/app/shell.h"
#include "platform/input_capture.h"
#include "ui/app/control_registry.h"
#include "ui/macro/macro_dialog.h"
#include "ui/pages/event_rows.h"
#include "ui/pages/page_binder.h"

class QListWidget;

namespace orvane::ui {

// The hidden fire macro editor on the fire page: the slot list, the event
// list with its context panel and insert panel, the delay and release
// options, and recording left clicks through the desktop's input capture.
// The fire editor's controller holds the lines; each redraw comes from it.
class FireEditorBinder : public PageBinder {
 public:
  struct Window : EventListWindow {
    // The fire page shows the slots this editor changed.
    std::function<void()> redraw_fire_page;
  };

  FireEditorBinder(const ControlRegistry& controls, app::Shell& shell, Window window);
  ~FireEditorBinder() override;

  void Redraw() override;
  // Img_Base_5's double click.
  void Show();
  // Confirm and Cancel: any recording ends, the editor is hidden.
  void Hide();
  // Another page is shown: a recording running here ends.
  void EndRecording();

 private:
  pages::FireMacroEditor& Editor() { return shell_.Pages().fire_editor; }
  void AfterAct() override;
  void ConnectLists();
  void ConnectOptions();
  void ConnectPanels();
  void ToggleRecording();
  void StopCapture();
  void Deliver(const platform::CapturedInput& input);
  void Say(const std::optional<std::string>& message);
  void RedrawOptions();
  void RedrawInsertPanel();

  const ControlRegistry& controls_;
  app::Shell& shell_;
  Window window_;
};

}  // namespace orvane::ui
