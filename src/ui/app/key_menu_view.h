#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/ini_table.h"
#include "core/app/key_menus.h"
#include "core/app/layout_rules.h"

class QListWidget;
class QWidget;

namespace orvane::ui {

class MenuPanel;
class MenuRow;

// Pnl_Main, the key-function menu, and its sub-menus: built from the menu
// table, styled by the layout in use, opened beside a page's key label or
// above an engineer key button. Group rows open their sub-menu when the
// pointer enters or clicks them; what a function row does is the button
// page's business, handed over through the callbacks.
class KeyMenuView : public QObject {
 public:
  using TextLookup = std::function<std::string(std::string_view key)>;

  explicit KeyMenuView(QWidget* window);

  std::function<void(int tag)> on_function;  // a function row was picked
  std::function<void()> on_assembly;         // User-defined
  std::function<void()> on_fire_macro;       // the page labels' Fire Macro row
  std::function<void(int row)> on_macro;     // a library macro picked in LB_Name
  std::function<void(int row)> on_gun_key;   // a gun key picked in LB_Script

  // LB_Name and LB_Script: the list sub-menus of the macro and gun-key rows.
  void AttachLists(QListWidget* macro_names, QListWidget* gun_keys);
  void Style(const app::IniTable& layout, const std::string& section, const TextLookup& text,
             const QString& font_family);
  // Beside a page's key label, with the page labels' fire-macro row.
  void ShowBesideLabel(const app::Rect& label, int skin_width, int skin_height);
  // Above an engineer key button, with the engineer's fire-macro row.
  void ShowAboveEngineerKey(const app::Rect& button, int page_control_width, int page_control_top,
                            int group_top, int skin_width, int skin_height);
  void HideAll();
  // The key menu and the special-keys menu share their height.
  void SetHeight(int height);

 private:
  void ShowAt(const app::Point& at, bool from_engineer);
  void Entered(const app::KeyMenuItem& entry, const std::string& panel);
  void Clicked(const app::KeyMenuItem& entry, const std::string& panel);
  // KeyByTagMouseEnter: the sub-menu of group row `tag`.
  void OpenSubmenu(int tag);
  void Close(std::initializer_list<const char*> names);
  QWidget* Menu(const std::string& name) const;
  MenuRow* Row(const std::string& panel, const std::string& name) const;
  // Moves a menu to `at`, kept wholly inside the window.
  void PlaceInside(QWidget* menu, app::Point at) const;

  QWidget* window_;
  std::map<std::string, QWidget*> menus_;  // every panel and list by name
  std::map<std::string, std::map<std::string, MenuRow*>> rows_;
  std::map<int, MenuRow*> group_rows_;  // by tag
  MenuPanel* key_menu_ = nullptr;
  int key_menu_width_ = 0;
  int skin_width_ = 0;
  int skin_height_ = 0;
  bool from_engineer_ = false;
};

}  // namespace orvane::ui
