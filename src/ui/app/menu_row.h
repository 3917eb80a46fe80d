#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include "ui/app/skin_label.h"

namespace orvane::ui {

// A pop-up menu's panel: it paints its own solid background and border, so
// nothing beneath ever shows through its rows.
class MenuPanel : public QWidget {
 public:
  explicit MenuPanel(const QString& name, QWidget* parent);
  void SetColours(const QColor& back, const QColor& border);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor back_;
  QColor border_;
};

// One row of a pop-up menu: lit while the pointer is over it, plain again
// the moment it leaves (or the menu closes). Unlike a button's caption it
// paints its own background, so no stale text is ever left beneath it.
class MenuRow : public SkinLabel {
 public:
  MenuRow(const QString& name, QWidget* parent);
  void SetColours(const QColor& text, const QColor& lit_text, const QColor& lit_back);
  void SetLit(bool lit);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QColor text_;
  QColor lit_text_;
  QColor lit_back_;
  bool lit_ = false;
};

}  // namespace orvane::ui
