#pragma once

#include <functional>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/pages/page_binder.h"

namespace orvane::ui {

// The pointer settings on the advanced page: the three ruler sliders, the
// precision and one-screen lamps, and a note of what this desktop keeps
// without putting in force. Every action goes to the pointer controller;
// every redraw comes from its state.
class PointerPageBinder : public PageBinder {
 public:
  PointerPageBinder(const ControlRegistry& controls, app::Shell& shell,
                    std::function<void()> hide_all_menus);

  void Redraw() override;

 private:
  pages::PointerPage& Page() { return shell_.Pages().pointer; }
  void RedrawLamp(const std::string& stem, bool on);

  const ControlRegistry& controls_;
  app::Shell& shell_;
};

}  // namespace orvane::ui
