#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ini_table.h"
#include "core/app/layout_rules.h"

class QLabel;
class QWidget;

namespace orvane::ui {

// Pnl_Main, the key-function menu, and its sub-menus: built from the menu
// table, styled by the layout in use, opened beside a page's key label or
// above an engineer key button. What their items do is the button page's
// business; here they show their names.
class KeyMenuView : public QObject {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  explicit KeyMenuView(QWidget* window);

  void Style(const app::IniTable& layout, const std::string& section, const TextLookup& text,
             const QString& font_family);
  // Beside a page's key label, with the page labels' fire-macro row.
  void ShowBesideLabel(const app::Rect& label, int skin_width, int skin_height);
  // Above an engineer key button, with the engineer's fire-macro row.
  void ShowAboveEngineerKey(const app::Rect& button, int page_control_width, int page_control_top,
                            int group_top);
  void HideAll();
  // The key menu and the special-keys menu share their height.
  void SetHeight(int height);

 private:
  void Highlight(QLabel* item, bool on);
  void ShowAt(const app::Point& at, bool from_engineer);

  std::vector<QWidget*> menus_;  // Pnl_Main first
  QWidget* key_menu_ = nullptr;
  int key_menu_width_ = 0;
  QColor text_;
  QColor back_;
  QColor hover_;
};

}  // namespace orvane::ui
