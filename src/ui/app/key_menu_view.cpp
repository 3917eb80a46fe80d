#include "ui/app/key_menu_view.h"

#include <QLabel>

#include "core/app/key_menus.h"
#include "ui/app/layout_colour.h"
#include "ui/app/skin_label.h"

namespace orvane::ui {

namespace {}  // namespace

KeyMenuView::KeyMenuView(QWidget* window) {
  for (const app::KeyMenuPanel& panel : app::KeyMenuPanels()) {
    auto* menu = new QWidget(window);
    menu->setObjectName(QString::fromStdString(panel.name));
    menu->setAutoFillBackground(true);
    for (const app::KeyMenuItem& entry : panel.items) {
      auto* item = new SkinLabel(QString::fromStdString(entry.name), menu);
      item->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      item->setAutoFillBackground(true);
      connect(item, &SkinLabel::entered, this, [this, item] { Highlight(item, true); });
      connect(item, &SkinLabel::left, this, [this, item] { Highlight(item, false); });
      item->setProperty("caption_key", QString::fromStdString(entry.caption));
      item->setGeometry(0, entry.top, 190, app::kKeyMenuRowHeight);
      if (entry.group) {
        auto* more = new QLabel(">>", item);
        more->setObjectName(item->objectName() + "_More");
        more->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
    }
    menu->resize(190, panel.height);
    menu->hide();
    menus_.push_back(menu);
  }
  key_menu_ = menus_.front();
}

void KeyMenuView::Style(const app::IniTable& layout, const std::string& section,
                        const TextLookup& text, const QString& font_family) {
  text_ = LayoutColour(layout, section, "Color_G");
  back_ = LayoutColour(layout, section, "Color_G_Back");
  hover_ = LayoutColour(layout, section, "Color_MACRO");
  key_menu_width_ = layout.Integer(section, "M_L_W");
  QFont font(font_family);
  font.setPixelSize(layout.Integer(section, "Size_G") + 4);
  const QString star = QString::fromStdString(text("Str200"));
  for (QWidget* menu : menus_) {
    QPalette palette = menu->palette();
    palette.setColor(QPalette::Window, back_);
    palette.setColor(QPalette::WindowText, text_);
    menu->setPalette(palette);
    // The key menu, the special keys and the other sub-menus each have their
    // width in the skin.
    const char* width_key = menu == key_menu_                     ? "M_L_W"
                            : menu->objectName() == "Pnl_Special" ? "SP_L_W"
                                                                  : "O_L_W";
    const int width = layout.Integer(section, width_key);
    menu->resize(width, menu->height());
    for (QLabel* row : menu->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      const std::string key = row->property("caption_key").toString().toStdString();
      row->setText(" " + star + " " + QString::fromStdString(text(key)));
      row->setFont(font);
      row->resize(width, row->height());
      if (auto* more = row->findChild<QLabel*>(row->objectName() + "_More")) {
        more->setFont(font);
        more->setGeometry(0, 0, width - 6, row->height());
      }
    }
  }
}

// ButtonTypeH: white text on the macro colour while hovered.
void KeyMenuView::Highlight(QLabel* item, bool on) {
  QPalette palette = item->palette();
  palette.setColor(QPalette::Window, on ? hover_ : back_);
  palette.setColor(QPalette::WindowText, on ? QColor(Qt::white) : text_);
  item->setPalette(palette);
}

void KeyMenuView::ShowBesideLabel(const app::Rect& label, int skin_width, int skin_height) {
  // Whether the fire-macro row can be seen is the menu's height, which the
  // page switch set (194 only where GD_Enable lets profile 2 show it).
  ShowAt(app::KeyMenuPosition(label, key_menu_width_, key_menu_->height(), skin_width, skin_height),
         false);
}

void KeyMenuView::ShowAboveEngineerKey(const app::Rect& button, int page_control_width,
                                       int page_control_top, int group_top) {
  ShowAt(app::EngineerKeyMenuPosition(button, key_menu_width_, key_menu_->height(),
                                      page_control_width, page_control_top, group_top),
         true);
}

void KeyMenuView::ShowAt(const app::Point& at, bool from_engineer) {
  HideAll();
  key_menu_->findChild<QLabel*>("Key_FireMacro")->setVisible(!from_engineer);
  key_menu_->findChild<QLabel*>("Key_TLFireMacro")->setVisible(from_engineer);
  key_menu_->setGeometry(at.x, at.y, key_menu_width_, key_menu_->height());
  key_menu_->show();
  key_menu_->raise();
}

void KeyMenuView::HideAll() {
  for (QWidget* menu : menus_)
    menu->hide();
}

void KeyMenuView::SetHeight(int height) {
  for (QWidget* menu : menus_) {
    if (menu == key_menu_ || menu->objectName() == "Pnl_Special")
      menu->resize(menu->width(), height);
  }
}

}  // namespace orvane::ui
