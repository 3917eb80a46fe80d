#include "ui/app/skin_dialog.h"

#include <QBitmap>

#include "core/app/layout_rules.h"
#include "ui/app/png_image.h"

namespace orvane::ui {

QLabel* SkinDialog(QDialog* dialog, const char* picture, const QString& background_name) {
  dialog->setModal(true);
  const QPixmap skin = SkinPicture(picture);
  dialog->setFixedSize(skin.size());
  dialog->setMask(QBitmap::fromImage(SkinImage(picture)
                                         .convertToFormat(QImage::Format_RGB32)
                                         .createMaskFromColor(qRgb(0x80, 0, 0), Qt::MaskInColor)));
  auto* background = new QLabel(dialog);
  background->setObjectName(background_name);
  background->setPixmap(skin);
  background->setGeometry(dialog->rect());
  return background;
}

void CentreOnParent(QDialog* dialog) {
  const QWidget* parent = dialog->parentWidget();
  if (parent == nullptr) return;
  const QRect main = parent->frameGeometry();
  const app::Point at = app::CentredOn({main.x(), main.y(), main.width(), main.height()},
                                       dialog->width(), dialog->height());
  dialog->move(at.x, at.y);
}

}  // namespace orvane::ui
