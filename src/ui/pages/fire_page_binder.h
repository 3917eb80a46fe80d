#pragma once

#include <QColor>
#include <functional>
#include <optional>
#include <string>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/app/key_menu_view.h"
#include "ui/pages/page_binder.h"

namespace orvane::ui {

// The fire macro page on screen: the gun buttons, the parameter rows with
// their colours and release options, Confirm and Cancel; the advanced page's
// Fire key burst; the engineer view's gun-key list, colours, Y offsets,
// burst and block import; and the key menus' ways in (the Fire Macro row of
// a page label, the gun-key list of an engineer key). The fire page's
// controller holds every setting; each redraw comes from its state.
class FirePageBinder : public PageBinder {
 public:
  struct Window {
    std::function<void()> hide_all_menus;
    std::function<void(const std::string&)> show_message;
    AskColour ask_colour;
    // A fire macro block file to import; empty when cancelled.
    std::function<std::string()> choose_file;
    // Back to the key page the fire page was opened from.
    std::function<void(app::Page)> show_page;
    // Confirm and Cancel hide the fire editor.
    std::function<void()> hide_editor;
    // The editor shows the slots this page changed.
    std::function<void()> redraw_editor;
    // Every page again: a gun key given to an engineer key button.
    std::function<void()> redraw_pages;
  };

  FirePageBinder(const ControlRegistry& controls, app::Shell& shell, KeyMenuView& menus,
                 Window window);

  void Redraw() override;

 private:
  pages::FirePage& Page() { return shell_.Pages().fire; }
  void AfterAct() override;
  void ConnectGuns();
  void ConnectRow(int row);
  void ConnectBurst();
  void ConnectGunKeys();
  void ConnectEngineerTables();
  void Open();
  void Leave(bool confirm);
  void PickColour(int row);
  void RedrawGuns();
  void RedrawRow(int row);
  void RedrawBurst();
  void RedrawEngineer();

  const ControlRegistry& controls_;
  app::Shell& shell_;
  Window window_;
  app::Page came_from_ = app::Page::kMain;
};

}  // namespace orvane::ui
