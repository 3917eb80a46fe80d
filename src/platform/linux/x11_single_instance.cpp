#include "platform/single_instance.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace orvane::platform {

namespace {

std::string WindowName(Display* display, Window window) {
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string name;
  if (XGetWindowProperty(display, window, net_wm_name, 0, 1024, False, utf8, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr) {
    name.assign(reinterpret_cast<char*>(data), count);
  }
  if (data != nullptr) XFree(data);
  if (name.empty()) {
    char* fetched = nullptr;
    if (XFetchName(display, window, &fetched) && fetched != nullptr) {
      name = fetched;
      XFree(fetched);
    }
  }
  return name;
}

// Top-level windows, and one level deeper where a window manager frames them.
Window FindByName(Display* display, Window parent, const char* caption, int depth) {
  Window root = 0, parent_of = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, parent, &root, &parent_of, &children, &count)) return 0;
  Window found = 0;
  for (unsigned int i = count; i-- > 0 && found == 0;) {  // top of the stack first
    if (WindowName(display, children[i]) == caption) {
      found = children[i];
    } else if (depth > 0) {
      found = FindByName(display, children[i], caption, depth - 1);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

void Activate(Display* display, Window window) {
  XMapRaised(display, window);
  XRaiseWindow(display, window);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = 1;
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XFlush(display);
}

}  // namespace

bool RaiseRunningInstance(const char* caption) {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform != nullptr && std::strcmp(platform, "offscreen") == 0) return false;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  const Window window = FindByName(display, DefaultRootWindow(display), caption, 1);
  if (window != 0) Activate(display, window);
  XCloseDisplay(display);
  return window != 0;
}

}  // namespace orvane::platform
