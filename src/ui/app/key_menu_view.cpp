#include "ui/app/key_menu_view.h"

#include <QListWidget>
#include <algorithm>

#include "ui/app/layout_colour.h"
#include "ui/app/menu_row.h"

namespace orvane::ui {

namespace {

// The sub-menu each group row of the key menu opens.
const std::map<int, const char*> kSubmenuOfTag = {
    {1, "Pnl_MseKey"}, {2, "Pnl_Special"}, {3, "Pnl_Media"}, {4, "Pnl_WWW"},
    {5, "Pnl_MyPC"},   {6, "Pnl_CPIKey"},  {7, "LB_Name"},   {13, "LB_Script"}};

constexpr std::initializer_list<const char*> kSubmenus = {"Pnl_MseKey", "Pnl_Special", "Pnl_CPIKey",
                                                          "Pnl_Media",  "Pnl_WWW",     "Pnl_MyPC",
                                                          "LB_Name",    "LB_Script"};

app::Rect RectOf(const QWidget* widget) {
  return {widget->x(), widget->y(), widget->width(), widget->height()};
}

}  // namespace

KeyMenuView::KeyMenuView(QWidget* window) : window_(window) {
  for (const app::KeyMenuPanel& panel : app::KeyMenuPanels()) {
    auto* menu = new MenuPanel(QString::fromStdString(panel.name), window);
    for (const app::KeyMenuItem& entry : panel.items) {
      auto* row = new MenuRow(QString::fromStdString(entry.name), menu);
      row->setProperty("caption_key", QString::fromStdString(entry.caption));
      row->setGeometry(1, entry.top, 188, app::kKeyMenuRowHeight);
      connect(row, &SkinLabel::entered, this,
              [this, entry, name = panel.name] { Entered(entry, name); });
      connect(row, &SkinLabel::clicked, this,
              [this, entry, name = panel.name] { Clicked(entry, name); });
      if (entry.group) {
        auto* more = new QLabel(">>", row);
        more->setObjectName(row->objectName() + "_More");
        more->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        more->setAttribute(Qt::WA_TransparentForMouseEvents);
      }
      rows_[panel.name][entry.name] = row;
      if (entry.group) group_rows_[entry.tag] = row;
    }
    menu->resize(190, panel.height);
    menu->hide();
    menus_[panel.name] = menu;
  }
  key_menu_ = static_cast<MenuPanel*>(menus_.at("Pnl_Main"));
}

void KeyMenuView::AttachLists(QListWidget* macro_names, QListWidget* gun_keys) {
  menus_["LB_Name"] = macro_names;
  menus_["LB_Script"] = gun_keys;
  connect(macro_names, &QListWidget::itemClicked, macro_names,
          [this, macro_names](QListWidgetItem* item) {
            if (on_macro) on_macro(macro_names->row(item));
          });
  connect(gun_keys, &QListWidget::itemClicked, gun_keys, [this, gun_keys](QListWidgetItem* item) {
    if (on_gun_key) on_gun_key(gun_keys->row(item));
  });
}

QWidget* KeyMenuView::Menu(const std::string& name) const {
  const auto found = menus_.find(name);
  return found == menus_.end() ? nullptr : found->second;
}

MenuRow* KeyMenuView::Row(const std::string& panel, const std::string& name) const {
  return rows_.at(panel).at(name);
}

void KeyMenuView::Style(const app::IniTable& layout, const std::string& section,
                        const TextLookup& text, const QString& font_family) {
  const QColor text_colour = LayoutColour(layout, section, "Color_G");
  const QColor back = LayoutColour(layout, section, "Color_G_Back");
  const QColor lit = LayoutColour(layout, section, "Color_MACRO");
  key_menu_width_ = layout.Integer(section, "M_L_W");
  QFont font(font_family);
  font.setPixelSize(layout.Integer(section, "Size_G") + 4);
  const QString star = QString::fromStdString(text("Str200"));
  for (const auto& [name, rows] : rows_) {
    auto* menu = static_cast<MenuPanel*>(menus_.at(name));
    menu->SetColours(back, lit);
    // The key menu, the special keys and the other sub-menus each have their
    // width in the skin.
    const char* width_key = name == "Pnl_Main"      ? "M_L_W"
                            : name == "Pnl_Special" ? "SP_L_W"
                                                    : "O_L_W";
    const int width = layout.Integer(section, width_key);
    menu->resize(width, menu->height());
    for (const auto& [row_name, row] : rows) {
      const std::string key = row->property("caption_key").toString().toStdString();
      row->setText(" " + star + " " + QString::fromStdString(text(key)));
      row->setFont(font);
      row->SetColours(text_colour, Qt::white, lit);
      row->resize(width - 2, row->height());
      if (auto* more = row->findChild<QLabel*>(row->objectName() + "_More")) {
        more->setFont(font);
        more->setGeometry(0, 0, width - 8, row->height());
        QPalette palette = more->palette();
        palette.setColor(QPalette::WindowText, text_colour);
        more->setPalette(palette);
      }
    }
  }
}

void KeyMenuView::ShowBesideLabel(const app::Rect& label, int skin_width, int skin_height) {
  skin_width_ = skin_width;
  skin_height_ = skin_height;
  // Whether the fire-macro row can be seen is the menu's height, which the
  // page switch set (194 only where GD_Enable lets profile 2 show it).
  ShowAt(app::KeyMenuPosition(label, key_menu_width_, key_menu_->height(), skin_width, skin_height),
         false);
}

void KeyMenuView::ShowAboveEngineerKey(const app::Rect& button, int page_control_width,
                                       int page_control_top, int group_top, int skin_width,
                                       int skin_height) {
  skin_width_ = skin_width;
  skin_height_ = skin_height;
  ShowAt(app::EngineerKeyMenuPosition(button, key_menu_width_, key_menu_->height(),
                                      page_control_width, page_control_top, group_top),
         true);
}

void KeyMenuView::ShowAt(const app::Point& at, bool from_engineer) {
  HideAll();
  from_engineer_ = from_engineer;
  Row("Pnl_Main", "Key_FireMacro")->setVisible(!from_engineer);
  Row("Pnl_Main", "Key_TLFireMacro")->setVisible(from_engineer);
  key_menu_->resize(key_menu_width_, key_menu_->height());
  PlaceInside(key_menu_, at);
  key_menu_->show();
  key_menu_->raise();
}

void KeyMenuView::PlaceInside(QWidget* menu, app::Point at) const {
  const int x = std::clamp(at.x, 0, std::max(0, window_->width() - menu->width()));
  const int y = std::clamp(at.y, 0, std::max(0, window_->height() - menu->height()));
  menu->move(x, y);
}

// Highlighting is the row's own; entering some rows also closes sub-menus
// that belong to another branch.
void KeyMenuView::Entered(const app::KeyMenuItem& entry, const std::string& panel) {
  if (entry.group) {
    OpenSubmenu(entry.tag);
  } else if (entry.name == "Key_FireMacro" || entry.name == "Key_Assembly") {
    Close(
        {"Pnl_Special", "Pnl_MseKey", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "LB_Name", "LB_Script"});
  } else if (panel == "Pnl_Special" || panel == "Pnl_MyPC") {
    Close({"Pnl_CPIKey"});
  }
}

void KeyMenuView::Clicked(const app::KeyMenuItem& entry, const std::string&) {
  if (entry.group) {
    OpenSubmenu(entry.tag);
  } else if (entry.name == "Key_Assembly") {
    if (on_assembly) on_assembly();
  } else if (entry.name == "Key_FireMacro") {
    if (on_fire_macro) on_fire_macro();
  } else if (entry.tag >= 900 && on_function) {
    on_function(entry.tag);
  }
}

void KeyMenuView::OpenSubmenu(int tag) {
  const auto name = kSubmenuOfTag.find(tag);
  if (name == kSubmenuOfTag.end()) return;
  QWidget* submenu = Menu(name->second);
  if (submenu == nullptr) return;
  const int main_right = key_menu_->x() + key_menu_->width();
  const int special_width = Menu("Pnl_Special")->width();
  if (tag == 6) {
    QWidget* special = Menu("Pnl_Special");
    Close({"Pnl_MseKey", "Pnl_Media", "Pnl_WWW", "LB_Name", "LB_Script"});
    const app::Rect item = RectOf(Row("Pnl_Special", "Key_CPIKey"));
    PlaceInside(submenu,
                app::SubmenuPosition(RectOf(special), item, submenu->width(), submenu->height(),
                                     main_right + special_width + submenu->width(), skin_width_,
                                     skin_height_, false));
  } else {
    Close(kSubmenus);
    // A list sub-menu (the macro library, the gun keys) opens only with
    // something in it: an empty box would look like a fault.
    if (const auto* list = qobject_cast<QListWidget*>(submenu); list && list->count() == 0) return;
    const app::Rect item = RectOf(group_rows_.at(tag));
    const int area_width = tag == 13 ? window_->width() : skin_width_;
    const int area_height = tag == 13 ? window_->height() : skin_height_;
    PlaceInside(submenu,
                app::SubmenuPosition(RectOf(key_menu_), item, submenu->width(), submenu->height(),
                                     main_right + special_width, area_width, area_height));
  }
  submenu->show();
  submenu->raise();
}

void KeyMenuView::Close(std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (QWidget* menu = Menu(name)) menu->hide();
  }
}

void KeyMenuView::HideAll() {
  key_menu_->hide();
  Close(kSubmenus);
}

void KeyMenuView::SetHeight(int height) {
  for (const char* name : {"Pnl_Main", "Pnl_Special"}) {
    QWidget* menu = Menu(name);
    menu->resize(menu->width(), height);
  }
}

}  // namespace orvane::ui
