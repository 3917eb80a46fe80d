#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "core/app/shell.h"
#include "ui/app/control_registry.h"
#include "ui/app/key_menu_view.h"

namespace orvane::ui {

// The button page on screen: the key labels of the page's profile, the
// engineer key buttons of both, the key menus' picks, the profile-switch
// options (pictures and engineer check boxes) and the AIM choice. Every
// action goes to the page's controller; every redraw comes from its state.
class ButtonPageBinder : public QObject {
 public:
  struct Window {
    int skin_width = 0;
    int skin_height = 0;
    // Whether the layout in use has the gun-key option (ComboKey3_Enable).
    std::function<bool()> gun_option_in_layout;
    std::function<void(const std::string&)> show_message;
    std::function<void()> hide_all_menus;
    // The User-defined row: the assembly-key dialog, then its code or nothing.
    std::function<std::string()> ask_assembly_key;
    int dpi_count = 11;  // the AIM slider's steps
  };

  ButtonPageBinder(const ControlRegistry& controls, app::Shell& shell, KeyMenuView& menus,
                   Window window);

  // Everything the page shows, from the controller's state.
  void Redraw();

 private:
  pages::ButtonPage& Page() { return shell_.Pages().buttons; }
  void ConnectKeys();
  void ConnectOptions();
  void OpenForLabel(int k);
  void OpenForEngineer(int number);
  void Pick(int tag);
  void Assembly();
  void PickMacro(int row);
  void Say(const std::optional<std::string>& message);

  const ControlRegistry& controls_;
  app::Shell& shell_;
  KeyMenuView& menus_;
  Window window_;
};

}  // namespace orvane::ui
