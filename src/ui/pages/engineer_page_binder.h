#pragma once

#include <functional>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/pages/page_binder.h"

namespace orvane::ui {

// The engineer page's own settings on screen: sensor orientation, the
// identifiers to write and those read, smoothing and the recoil trigger.
// Every action goes to the engineer controller; every redraw comes from its
// state.
class EngineerPageBinder : public PageBinder {
 public:
  EngineerPageBinder(const ControlRegistry& controls, app::Shell& shell,
                     std::function<void()> hide_all_menus);

  void Redraw() override;

 private:
  pages::EngineerPage& Page() { return shell_.Pages().engineer; }

  const ControlRegistry& controls_;
  app::Shell& shell_;
};

}  // namespace orvane::ui
