#pragma once

#include <QObject>

#include "platform/input_capture.h"

namespace orvane::ui {

// Where the desktop's input cannot be seen (no X server to ask, as in a
// Wayland session): the keys and clicks that reach this program's own
// windows, with the times the window system gave them.
class OwnWindowCapture : public QObject, public platform::InputCapture {
 public:
  bool Start(Deliver deliver) override;
  void Stop() override;
  bool SeesWholeDesktop() const override { return false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Deliver deliver_;
};

}  // namespace orvane::ui
