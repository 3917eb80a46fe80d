#include "ui/app/ruler_slider.h"

#include <QMouseEvent>
#include <algorithm>

#include "ui/app/png_image.h"

namespace orvane::ui {

RulerSlider::RulerSlider(const QString& name, int width, QWidget* parent)
    : QWidget(parent), ruler_picture_(new QLabel(this)), thumb_(new QLabel(this)) {
  setObjectName(name);
  ruler_picture_->setPixmap(SkinPicture("Slider_Ruler"));
  ruler_picture_->setScaledContents(true);
  ruler_picture_->setGeometry(0, 4, width, 12);
  thumb_->setObjectName(name + "_Thumb");
  thumb_->setPixmap(SkinPicture("Slider_Thumb"));
  thumb_->setGeometry(0, 0, thumb_->pixmap().width(), thumb_->pixmap().height());
  for (QLabel* part : {ruler_picture_, thumb_})
    part->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RulerSlider::SetRuler(const pages::Ruler& ruler) {
  ruler_ = ruler;
  setValue(value_);
}

void RulerSlider::setValue(int value) {
  value_ = std::clamp(value, 0, Maximum());
  PlaceThumbAt(XOfStop(value_ / 100));
}

int RulerSlider::XOfStop(int stop) const {
  return ruler_.start + ruler_.step * stop + ruler_.step / 2;
}

void RulerSlider::PlaceThumbAt(int centre) {
  const int left =
      std::clamp(centre - thumb_->width() / 2, 0, std::max(width() - thumb_->width(), 0));
  thumb_->move(left, 0);
}

// A press is the slider's own: it must not start a drag of the window.
void RulerSlider::mousePressEvent(QMouseEvent* event) {
  event->accept();
  PlaceThumbAt(event->position().toPoint().x());
}

void RulerSlider::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) PlaceThumbAt(event->position().toPoint().x());
}

void RulerSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  emit released(event->position().toPoint().x());
  // Where the controller did not move it, the thumb goes back to its stop.
  setValue(value_);
}

}  // namespace orvane::ui
