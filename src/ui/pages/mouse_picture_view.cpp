#include "ui/pages/mouse_picture_view.h"

#include <QLabel>

#include "core/pages/button_page_controls.h"
#include "ui/app/png_image.h"

namespace orvane::ui {

namespace {

constexpr int kBadge = 20;

QLabel* Badge(QWidget* page, const QString& name, int number) {
  auto* badge = new QLabel(QString::number(number), page);
  badge->setObjectName(name);
  badge->setAlignment(Qt::AlignCenter);
  badge->setFixedSize(kBadge, kBadge);
  badge->setStyleSheet(
      "QLabel { background: #C8283A; color: #FFFFFF; border-radius: 10px;"
      " font-weight: bold; font-size: 12px; }");
  badge->setAttribute(Qt::WA_TransparentForMouseEvents);
  return badge;
}

}  // namespace

MousePictureView::MousePictureView(QWidget* page) {
  picture_ = new QLabel(page);
  picture_->setObjectName("Img_Mouse");
  picture_->setPixmap(SkinPicture("MousePic"));
  picture_->resize(picture_->pixmap().size());
  picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int k = 1; k <= 9; ++k) {
    on_picture_[k - 1] = Badge(page, QString("lbl_MouseKey%1").arg(k), k);
    beside_label_[k - 1] = Badge(page, QString("lbl_KeyNum%1").arg(k), k);
  }
}

void MousePictureView::Place(const std::array<QRect, 9>& labels, const std::array<bool, 9>& shown) {
  // The columns: the rightmost edge of the left labels, the leftmost of the right ones.
  int left_edge = 0;
  int right_edge = picture_->parentWidget()->width();
  int top = labels[0].top();
  for (int k = 0; k < 9; ++k) {
    if (!shown[k]) continue;
    if (labels[k].center().x() < picture_->parentWidget()->width() / 2) {
      left_edge = std::max(left_edge, labels[k].right());
    } else {
      right_edge = std::min(right_edge, labels[k].left());
    }
    top = std::min(top, labels[k].top());
  }
  const QSize size = picture_->pixmap().size();
  picture_->move((left_edge + right_edge - size.width()) / 2, top);
  for (int k = 0; k < 9; ++k) {
    const pages::MouseSpot spot = pages::MouseButtonSpot(k + 1);
    on_picture_[k]->move(picture_->x() + static_cast<int>(spot.x * size.width()) - kBadge / 2,
                         picture_->y() + static_cast<int>(spot.y * size.height()) - kBadge / 2);
    beside_label_[k]->move(labels[k].left() - kBadge - 4,
                           labels[k].top() + (labels[k].height() - kBadge) / 2);
    beside_label_[k]->setVisible(shown[k]);
    on_picture_[k]->setVisible(shown[k]);
  }
}

}  // namespace orvane::ui
