#pragma once

#include <QLabel>
#include <QWidget>

#include "core/pages/ruler.h"

namespace orvane::ui {

// The skin's ruler slider: the ruler picture with a thumb that stands on one
// of the ruler's stops. The value is stop * 100. A drag moves only the thumb;
// the mouse-up reports its x, and the page's controller decides the stop,
// which comes back through setValue.
class RulerSlider : public QWidget {
  Q_OBJECT

 public:
  RulerSlider(const QString& name, int width, QWidget* parent);

  void SetRuler(const pages::Ruler& ruler);
  // Clamped to the ruler's last stop, as a slider keeps to its maximum.
  void setValue(int value);
  int value() const { return value_; }
  int Maximum() const { return (ruler_.positions - 1) * 100; }
  // Where a click lands on stop p, for tests and scripts that drive the slider.
  int XOfStop(int stop) const;

 signals:
  void released(int x);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void PlaceThumbAt(int centre);

  pages::Ruler ruler_ = pages::DpiRuler(11);
  int value_ = 0;
  QLabel* ruler_picture_;
  QLabel* thumb_;
};

}  // namespace orvane::ui
