#include "lockkeys.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#ifdef VEK_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
// Xlib after Qt: its macros (None, Bool, Status) would break Qt's headers.
#include <X11/XKBlib.h>
#endif

namespace {

#if defined(VEK_HAVE_X11) && QT_CONFIG(xcb)
bool QueryX11(CLockKeys& keys) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (!display) return false;
  auto lit = [display](const char* name, bool& on) {
    const Atom atom = XInternAtom(display, name, True);
    int state = 0;
    if (atom == 0 || !XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
      return false;
    on = state != 0;
    return true;
  };
  CLockKeys found;
  if (!lit("Caps Lock", found.bCaps)) return false;
  lit("Num Lock", found.bNum);
  lit("Scroll Lock", found.bScroll);
  keys = found;
  return true;
}
#else
bool QueryX11(CLockKeys&) { return false; }
#endif

// The kernel's keyboard lights, for desktops that are not X.
bool QueryLeds(CLockKeys& keys) {
  const QDir leds("/sys/class/leds");
  if (!leds.exists()) return false;
  bool any = false;
  CLockKeys found;
  auto read = [&](const QString& suffix, bool& on) {
    for (const QString& name : leds.entryList({"*::" + suffix}, QDir::Dirs | QDir::System)) {
      QFile f(leds.filePath(name + "/brightness"));
      if (!f.open(QIODevice::ReadOnly)) continue;
      any = true;
      if (f.read(16).trimmed().toInt() > 0) on = true;
    }
  };
  read("capslock", found.bCaps);
  read("numlock", found.bNum);
  read("scrolllock", found.bScroll);
  if (any) keys = found;
  return any;
}

}  // namespace

bool QueryLockKeys(CLockKeys& keys) { return QueryX11(keys) || QueryLeds(keys); }
