#pragma once

#include <functional>
#include <string>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/pages/page_binder.h"

namespace orvane::ui {

// The lighting page on screen, and its engineer controls: the option lamps
// and radios, the LED type, the two rows of modes, the strip's count and
// speed rows, the speed slider and the engineer edits. Every action goes to
// the lighting controller; every redraw comes from its state.
class LightingPageBinder : public PageBinder {
 public:
  struct Window {
    std::function<void()> hide_all_menus;
    int dpiled_status = 1;  // 1: sliders and marker rows; 0: bars
  };

  LightingPageBinder(const ControlRegistry& controls, app::Shell& shell, Window window);

  void Redraw() override;

 private:
  pages::LightingPage& Page() { return shell_.Pages().lighting; }
  void OnClickOf(const std::string& name, std::function<void()> act);
  void ConnectOptions();
  void ConnectTypes();
  void ConnectModes();
  void ConnectRows();
  void RedrawOptions();
  void RedrawModes();
  void RedrawRows();
  void RedrawShown();
  void ShowAll(const std::string& stem, int count, bool shown);

  const ControlRegistry& controls_;
  app::Shell& shell_;
  Window window_;
};

}  // namespace orvane::ui
