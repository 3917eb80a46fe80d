#include "ui/app/menu_row.h"

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

MenuRow::MenuRow(const QString& name, QWidget* parent) : SkinLabel(name, parent) {
  setAttribute(Qt::WA_TranslucentBackground, false);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(this, &SkinLabel::entered, this, [this] { SetLit(true); });
  connect(this, &SkinLabel::left, this, [this] { SetLit(false); });
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

void MenuRow::hideEvent(QHideEvent*) { SetLit(false); }

}  // namespace orvane::ui
