#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

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
// the moment it leaves (or the menu closes).
class MenuRow : public QLabel {
  Q_OBJECT

 public:
  MenuRow(const QString& name, QWidget* parent);
  void SetColours(const QColor& text, const QColor& lit_text, const QColor& lit_back);
  void SetLit(bool lit);
  bool Lit() const { return lit_; }

 signals:
  void clicked();
  void entered();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QColor text_;
  QColor lit_text_;
  QColor lit_back_;
  bool lit_ = false;
};

}  // namespace orvane::ui
