// Qt reports the digit keys as 0x31..0x39 and the keypad's digits with the
// keypad modifier; with Shift held, X11 and Wayland report the shifted
// symbol ("!" for 1 on many layouts), so the physical key is read from the
// scan code there.
#include "key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace trimbol::app {
namespace {

constexpr int kVkNumpad0 = 0x60;
// X keycodes (evdev and the older xfree86 map alike) of the keys 1..9.
constexpr quint32 kXKeycodeOne = 10;
constexpr quint32 kXKeycodeNine = 18;

}  // namespace

int VirtualKeyCode(const QKeyEvent& event) {
  const QString platform = QGuiApplication::platformName();
  return VirtualKeyCode(event, platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")));
}

int VirtualKeyCode(const QKeyEvent& event, bool scanCodesAreXKeycodes) {
  const int key = event.key();
  const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return keypad ? kVkNumpad0 + (key - Qt::Key_0) : key;
  if (!keypad && scanCodesAreXKeycodes) {
    const quint32 scan = event.nativeScanCode();
    if (scan >= kXKeycodeOne && scan <= kXKeycodeNine) return Qt::Key_1 + int(scan - kXKeycodeOne);
  }
  // Letters share their codes with the virtual keys; nothing else has a use.
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  return 0;
}

}  // namespace trimbol::app
