// The main window's pages: each page's binder over its controller.
#include <QColorDialog>

#include "ui/app/layout_colour.h"
#include "ui/app/main_window.h"
#include "ui/pages/button_page_binder.h"
#include "ui/pages/dpi_page_binder.h"
#include "ui/pages/lighting_page_binder.h"

namespace orvane::ui {

std::function<std::optional<QColor>(const QColor&)>& MainWindow::ColourDialogHook() {
  static std::function<std::optional<QColor>(const QColor&)> hook;
  return hook;
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
}

void MainWindow::RedrawPages() {
  if (button_page_) button_page_->Redraw();
  if (dpi_page_) dpi_page_->Redraw();
  if (lighting_page_) lighting_page_->Redraw();
}

}  // namespace orvane::ui
