#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "core/app/layout_rules.h"

namespace orvane::ui {

class SkinLabel;

// LabelRun: while the pointer is on an attached label, and the product
// settings turn it on, its caption rolls one character every 200 ms; it
// comes back whole when the pointer leaves.
class RollingCaptionView : public QObject {
 public:
  explicit RollingCaptionView(std::function<bool()> enabled);
  void Attach(SkinLabel* label);

 private:
  std::function<bool()> enabled_;
  QTimer timer_;
  app::RollingCaption rolling_;
  SkinLabel* label_ = nullptr;
};

}  // namespace orvane::ui
