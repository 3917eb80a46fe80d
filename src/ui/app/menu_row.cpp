#include "ui/app/menu_row.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvane::ui {

MenuPanel::MenuPanel(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MenuPanel::SetColours(const QColor& back, const QColor& border) {
  back_ = back;
  border_ = border;
  update();
}

void MenuPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  painter.setPen(border_);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

MenuRow::MenuRow(const QString& name, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void MenuRow::SetColours(const QColor& text, const QColor& lit_text, const QColor& lit_back) {
  text_ = text;
  lit_text_ = lit_text;
  lit_back_ = lit_back;
  SetLit(lit_);
}

void MenuRow::SetLit(bool lit) {
  lit_ = lit;
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, lit ? lit_text_ : text_);
  setPalette(palette);
  update();
}

void MenuRow::paintEvent(QPaintEvent* event) {
  if (lit_) QPainter(this).fillRect(rect(), lit_back_);
  QLabel::paintEvent(event);
}

// The press is the menu's own: it must not reach the window beneath.
void MenuRow::mousePressEvent(QMouseEvent* event) { event->accept(); }

void MenuRow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void MenuRow::enterEvent(QEnterEvent*) {
  SetLit(true);
  emit entered();
}

void MenuRow::leaveEvent(QEvent*) { SetLit(false); }

void MenuRow::hideEvent(QHideEvent*) { SetLit(false); }

}  // namespace orvane::ui
