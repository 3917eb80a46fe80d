#include "ui/app/busy_window.h"

#include <QBitmap>
#include <QPainter>
#include <cmath>

#include "core/app/layout_rules.h"
#include "ui/app/png_image.h"

namespace orvane::ui {

BusyWindow::BusyWindow()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool) {
  setObjectName("TFormLoadingUI");
  setFixedSize(200, 192);
  setMask(QBitmap::fromImage(SkinImage("Wait")
                                 .convertToFormat(QImage::Format_RGB32)
                                 .createMaskFromColor(qRgb(0x80, 0, 0), Qt::MaskInColor)));
  animation_.setInterval(80);
  connect(&animation_, &QTimer::timeout, this, [this] {
    step_ = (step_ + 1) % 12;
    update();
  });
  animation_.start();
}

void BusyWindow::ShowCentredOn(const QWidget& main) {
  const app::Point at =
      app::CentredOn({main.x(), main.y(), main.width(), main.height()}, width(), height());
  move(at.x, at.y);
  if (!isVisible()) {  // shown before every chunk: raise it only once
    show();
    raise();
  }
}

void BusyWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, SkinPicture("Wait"));
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(width() / 2.0, height() / 2.0);
  for (int i = 0; i < 12; ++i) {
    const double angle = (i * 30.0) * M_PI / 180.0;
    const int age = (step_ - i + 12) % 12;
    painter.setBrush(QColor(200, 40, 58, 255 - age * 18));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre + QPointF(std::cos(angle) * 48, std::sin(angle) * 48), 7, 7);
  }
}

}  // namespace orvane::ui
