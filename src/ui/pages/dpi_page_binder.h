#pragma once

#include <QColor>
#include <functional>
#include <optional>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/pages/page_binder.h"

namespace orvane::ui {

// The DPI levels on screen: the advanced page's lamps, names, ruler sliders,
// value texts and colour swatches, the level count, and the engineer page's
// combos and colour edits. Every action goes to the DPI controller; every
// redraw comes from its state.
class DpiPageBinder : public PageBinder {
 public:
  struct Window {
    std::function<void()> hide_all_menus;
    // DPI_Count_Visible is not 1: the level names switch levels, the count
    // combo is hidden.
    std::function<bool()> names_switch_levels;
    // The colour of a level name in use or not.
    std::function<QColor(bool in_use)> name_colour;
    // The colour dialog: the colour chosen, or nothing on Cancel.
    AskColour ask_colour;
  };

  DpiPageBinder(const ControlRegistry& controls, app::Shell& shell, Window window);

  void Redraw() override;

 private:
  pages::DpiPage& Page() { return shell_.Pages().dpi; }
  void ConnectLevel(int level);
  void ConnectCounts();
  void PickColour(int level);
  void RedrawCounts();
  void RedrawLevel(int level);
  void RedrawEngineerLevel(int level);
  void RedrawSwatch(int level);

  const ControlRegistry& controls_;
  app::Shell& shell_;
  Window window_;
};

}  // namespace orvane::ui
