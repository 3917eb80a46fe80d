#include "ui/app/skin_label.h"

#include <QMouseEvent>

namespace orvane::ui {

SkinLabel::SkinLabel(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setAlignment(Qt::AlignCenter);
  setAttribute(Qt::WA_TranslucentBackground);
}

// A press on a button is the button's: it must not reach the window, which
// would take it for the start of a drag.
void SkinLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void SkinLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void SkinLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

void SkinLabel::enterEvent(QEnterEvent* event) {
  emit entered();
  QLabel::enterEvent(event);
}

void SkinLabel::leaveEvent(QEvent* event) {
  emit left();
  QLabel::leaveEvent(event);
}

}  // namespace orvane::ui
