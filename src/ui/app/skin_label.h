#pragma once

#include <QLabel>

namespace orvane::ui {

// A transparent label that reports clicks, double clicks and the pointer
// entering and leaving: the skinned buttons are such labels over pictures.
class SkinLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SkinLabel(const QString& name, QWidget* parent);

 signals:
  void clicked();
  void doubleClicked();
  void entered();
  void left();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
};

}  // namespace orvane::ui
