#include "ui/app/own_window_capture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/app/virtual_keys.h"

namespace orvane::ui {

namespace {

int ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 0;
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    case Qt::ForwardButton: return 3;
    case Qt::BackButton: return 4;
    default: return -1;
  }
}

}  // namespace

bool OwnWindowCapture::Start(Deliver deliver) {
  deliver_ = std::move(deliver);
  qApp->installEventFilter(this);
  return true;
}

void OwnWindowCapture::Stop() {
  qApp->removeEventFilter(this);
  deliver_ = nullptr;
}

bool OwnWindowCapture::eventFilter(QObject* watched, QEvent* event) {
  // Each event reaches the filter once per widget it travels through; the
  // window's own copy is the one that counts.
  if (!deliver_ || !watched->isWindowType()) return false;
  using Kind = platform::CapturedInput::Kind;
  platform::CapturedInput input;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->isAutoRepeat()) return false;
      input = {event->type() == QEvent::KeyPress ? Kind::kKeyDown : Kind::kKeyUp,
               VirtualKeyOf(*key), static_cast<uint32_t>(key->timestamp())};
      if (input.code == 0) return false;
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      input = {event->type() == QEvent::MouseButtonPress ? Kind::kButtonDown : Kind::kButtonUp,
               ButtonOf(mouse->button()), static_cast<uint32_t>(mouse->timestamp())};
      if (input.code < 0) return false;
      break;
    }
    default: return false;
  }
  deliver_(input);
  return false;
}

}  // namespace orvane::ui
