#include "ui/app/skin_button.h"

#include "ui/app/png_image.h"

namespace orvane::ui {

void SkinButton::SetGeometry(const QRect& rect) const {
  picture->setGeometry(rect);
  label->setGeometry(rect);
}

void SkinButton::SetVisible(bool visible) const {
  picture->setVisible(visible);
  label->setVisible(visible);
}

void SkinButton::Raise() const {
  picture->raise();
  label->raise();
}

void SkinButton::ShowLook(const char* suffix) const {
  picture->setPixmap(SkinPicture(family + suffix));
}

SkinButton MakeSkinButton(QWidget* parent, const QString& label_name, const QString& family,
                          QString picture_name) {
  SkinButton button;
  button.family = family;
  button.picture = new QLabel(parent);
  button.picture->setObjectName(picture_name.isEmpty() ? "Img_" + label_name.mid(4) : picture_name);
  button.picture->setPixmap(SkinPicture(family + "_01"));
  button.picture->resize(button.picture->pixmap().size());
  button.label = new SkinLabel(label_name, parent);
  QLabel* picture = button.picture;
  QObject::connect(button.label, &SkinLabel::entered, picture,
                   [picture, family] { picture->setPixmap(SkinPicture(family + "_02")); });
  QObject::connect(button.label, &SkinLabel::left, picture,
                   [picture, family] { picture->setPixmap(SkinPicture(family + "_01")); });
  return button;
}

}  // namespace orvane::ui
