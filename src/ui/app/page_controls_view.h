#pragma once

#include <QLabel>
#include <QObject>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ini_table.h"
#include "core/app/org_settings.h"
#include "core/app/page_controls.h"

namespace orvane::ui {

// The widgets of the page-control catalogue: built once, placed, coloured and
// captioned again whenever a layout and language are applied. They show what
// the pages will hold; their behaviour is the pages' own code.
class PageControlsView : public QObject {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  // pages[0..4]: gbPage1..gbPage5; pop-ups go on the window.
  PageControlsView(const std::array<QWidget*, 5>& pages, QWidget* window);

  void Place(const app::IniTable& layout, const std::string& section,
             const app::OrgSettings& settings);
  void Caption(const app::IniTable& layout, const std::string& section, const TextLookup& text,
               const QString& font_family);
  // The item height of the macro lists (MacroNameHeight of the layout).
  void SetMacroListItemHeight(int height);
  void HidePopups();
  QWidget* Find(const std::string& name) const;

 private:
  struct Built {
    const app::PageControl* control = nullptr;
    QWidget* widget = nullptr;
    QLabel* picture = nullptr;  // a button's picture under its label
  };

  QWidget* Make(const app::PageControl& control, QWidget* parent, Built& built);
  QWidget* MakeButton(const app::PageControl& control, QWidget* parent, Built& built);
  void ConnectMenuHover(QWidget* item);
  void ApplyPlacedVisibility(const Built& built, const app::IniTable& layout,
                             const std::string& section, const app::OrgSettings& settings);

  std::vector<Built> built_;
  std::map<std::string, QWidget*> by_name_;
  QColor menu_text_;
  QColor menu_back_;
  QColor menu_hover_;
};

}  // namespace orvane::ui
