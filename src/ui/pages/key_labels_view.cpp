#include "ui/pages/key_labels_view.h"

#include "core/app/layout_rules.h"
#include "core/pages/button_page_controls.h"
#include "ui/app/layout_colour.h"
#include "ui/app/rolling_caption_view.h"

namespace orvane::ui {

KeyLabelsView::KeyLabelsView(QWidget* page, RollingCaptionView& rolling) : mouse_(page) {
  for (int k = 0; k < 9; ++k) {
    keys_[k] = MakeSkinButton(page, QString::fromStdString(pages::KeyLabelName(k + 1)), "KeyS",
                              QString::fromStdString(pages::KeyPictureName(k + 1)));
    keys_[k].picture->setScaledContents(true);
    rolling.Attach(keys_[k].label);
  }
}

void KeyLabelsView::Place(const app::IniTable& layout, const std::string& section) {
  const int key_width = layout.Integer(section, "Key_Width");
  std::array<QRect, 9> rects;
  std::array<bool, 9> shown{};
  for (int k = 0; k < 9; ++k) {
    const std::string key = "Key" + std::to_string(k + 1);
    const app::ButtonPlacement placement = app::PlaceButtonPair(
        layout.Integer(section, key + "_Enable"), layout.Integer(section, key + "_X"),
        layout.Integer(section, key + "_Y"), key_width, keys_[k].picture->pixmap().height());
    keys_[k].picture->setGeometry(placement.picture.x, placement.picture.y, key_width,
                                  placement.picture.height);
    keys_[k].label->setGeometry(placement.label.x, placement.label.y, key_width,
                                placement.label.height);
    keys_[k].SetVisible(placement.visible);
    rects[k] = keys_[k].label->geometry();
    shown[k] = placement.visible;
  }
  mouse_.Place(rects, shown);
}

void KeyLabelsView::Style(const app::IniTable& layout, const std::string& section,
                          const QString& font_family) {
  QFont font(font_family);
  font.setPixelSize(layout.Integer(section, "Size_C") + 4);
  for (const SkinButton& key : keys_) {
    key.label->setFont(font);
    QPalette palette = key.label->palette();
    palette.setColor(QPalette::WindowText, LayoutColour(layout, section, "Color_C"));
    key.label->setPalette(palette);
  }
}

}  // namespace orvane::ui
