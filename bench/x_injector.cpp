#include "x_injector.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XInjector::XInjector() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  display_ = display;
  keycode_ = static_cast<unsigned char>(XKeysymToKeycode(display, 'a'));
}

XInjector::~XInjector() {
  if (display_ != nullptr) XCloseDisplay(static_cast<Display*>(display_));
}

void XInjector::Key(bool down) {
  auto* display = static_cast<Display*>(display_);
  XTestFakeKeyEvent(display, keycode_, down ? True : False, CurrentTime);
  XFlush(display);
}
