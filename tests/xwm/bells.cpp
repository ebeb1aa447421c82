#include "xwm/bells.h"

#include <X11/XKBlib.h>

namespace pellumo::testing {

Bells::Bells() {
  Display* display = XOpenDisplay(nullptr);
  display_ = display;
  int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
  if (display == nullptr || !XkbQueryExtension(display, &opcode, &xkbEvent_, &error, &major, &minor))
    return;
  XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
  XSync(display, False);
}

Bells::~Bells() {
  if (display_ != nullptr) XCloseDisplay(static_cast<Display*>(display_));
}

int Bells::Rung() {
  auto* display = static_cast<Display*>(display_);
  if (display == nullptr) return -1;
  XSync(display, False);
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == xkbEvent_ && reinterpret_cast<XkbEvent*>(&event)->any.xkb_type == XkbBellNotify)
      ++rung_;
  }
  return rung_;
}

}  // namespace pellumo::testing
