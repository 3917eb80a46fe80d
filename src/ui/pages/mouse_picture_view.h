#pragma once

#include <QRect>
#include <array>

class QLabel;
class QWidget;

namespace orvane::ui {

// The mouse drawn between the key labels, its nine buttons numbered, and the
// same number beside each label: which label is which physical button.
class MousePictureView {
 public:
  explicit MousePictureView(QWidget* page);
  // Beside each shown key label, and the picture centred between the two
  // columns of labels.
  void Place(const std::array<QRect, 9>& labels, const std::array<bool, 9>& shown);

 private:
  QLabel* picture_ = nullptr;
  std::array<QLabel*, 9> on_picture_{};
  std::array<QLabel*, 9> beside_label_{};
};

}  // namespace orvane::ui
