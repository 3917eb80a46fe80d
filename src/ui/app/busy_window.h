#pragma once

#include <QTimer>
#include <QWidget>

namespace orvane::ui {

// TFormLoadingUI: the small always-on-top window with a turning indicator,
// shown while the program talks to the mouse.
class BusyWindow : public QWidget {
 public:
  BusyWindow();
  void ShowCentredOn(const QWidget& main);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer animation_;
  int step_ = 0;
};

}  // namespace orvane::ui
