#include "platform/linux/x11_input_capture.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include "platform/linux/x11_keys.h"

namespace orvane::platform {

std::unique_ptr<X11InputCapture> X11InputCapture::Open(std::string* why) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    if (why) *why = "no X display";
    return nullptr;
  }
  int opcode = 0;
  int event = 0;
  int error = 0;
  // Announcing 2.2 matters: a 2.0 client gets no raw events while any grab
  // is active, and a click grabs the pointer until its release.
  int major = 2;
  int minor = 2;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
      XIQueryVersion(display, &major, &minor) != Success || major < 2 ||
      (major == 2 && minor < 1)) {
    XCloseDisplay(display);
    if (why) *why = "the X server has no XInput 2.1";
    return nullptr;
  }
  return std::unique_ptr<X11InputCapture>(new X11InputCapture(display, opcode));
}

X11InputCapture::~X11InputCapture() {
  Stop();
  XCloseDisplay(display_);
}

int X11InputCapture::WakeDescriptor() const { return ConnectionNumber(display_); }

void X11InputCapture::Select(bool on) {
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  if (on) {
    for (const int type :
         {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease})
      XISetMask(bits, type);
  }
  XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
  XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1);
  XFlush(display_);
}

bool X11InputCapture::Start(Deliver deliver) {
  deliver_ = std::move(deliver);
  running_ = true;
  Select(true);
  return true;
}

void X11InputCapture::Stop() {
  if (!running_) return;
  running_ = false;
  Select(false);
  XSync(display_, False);
  Drain();  // what was still queued belongs to no recording
}

void X11InputCapture::Drain() {
  while (XPending(display_) > 0) {
    XEvent event;
    XNextEvent(display_, &event);
    XGenericEventCookie* cookie = &event.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != xi_opcode_ ||
        !XGetEventData(display_, cookie)) {
      continue;
    }
    const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
    CapturedInput input;
    input.time_ms = static_cast<uint32_t>(raw->time);
    switch (cookie->evtype) {
      case XI_RawKeyPress:
      case XI_RawKeyRelease:
        input.kind = cookie->evtype == XI_RawKeyPress ? CapturedInput::Kind::kKeyDown
                                                      : CapturedInput::Kind::kKeyUp;
        input.code = VirtualKeyOfKeysym(static_cast<uint32_t>(
            XkbKeycodeToKeysym(display_, static_cast<KeyCode>(raw->detail), 0, 0)));
        break;
      default:
        input.kind = cookie->evtype == XI_RawButtonPress ? CapturedInput::Kind::kButtonDown
                                                         : CapturedInput::Kind::kButtonUp;
        input.code = MouseButtonOfX(raw->detail);
        break;
    }
    XFreeEventData(display_, cookie);
    const bool known =
        input.kind == CapturedInput::Kind::kKeyDown || input.kind == CapturedInput::Kind::kKeyUp
            ? input.code != 0
            : input.code >= 0;
    if (running_ && known && deliver_) deliver_(input);
  }
}

std::unique_ptr<InputCapture> MakeSystemInputCapture(std::string* why) {
  return X11InputCapture::Open(why);
}

}  // namespace orvane::platform
