// What the desktop asks of the game's look: high contrast and reduced
// motion, from the freedesktop settings portal (its appearance keys, else
// GNOME's own keys that the portal passes on). Qt 6.4 has no API for them.
// Read without waiting, once the window is up, and followed as they change;
// nothing is ever written.
#pragma once

#include <optional>

#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariant>

class QDBusPendingCallWatcher;

namespace trimbol::app {

struct LookWishes {
  bool highContrast = false;
  bool reducedMotion = false;
  friend bool operator==(const LookWishes&, const LookWishes&) = default;
};

// The desktop's settings as the portal gave them; a key it lacks is empty.
struct DesktopSettings {
  std::optional<bool> contrast;            // org.freedesktop.appearance contrast: 1 higher
  std::optional<bool> reducedMotion;       // org.freedesktop.appearance reduced-motion: 1 reduced
  std::optional<bool> gnomeHighContrast;   // org.gnome.desktop.a11y.interface high-contrast
  std::optional<bool> gnomeAnimations;     // org.gnome.desktop.interface enable-animations

  // Takes one key's value; false for a key that is none of these.
  bool Take(const QString& group, const QString& key, const QVariant& value);
  // The freedesktop key where the portal has it, else GNOME's.
  LookWishes Wishes() const;
};

class DesktopLooks : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // Asks the session bus's portal and listens for its changes. Returns at
  // once; without a bus or a portal the look stays the default.
  void Start();
  LookWishes wishes() const { return settings_.Wishes(); }

 signals:
  void changed(trimbol::app::LookWishes wishes);

 private slots:
  void OnSettingChanged(const QDBusMessage& change);

 private:
  void OnRead(QDBusPendingCallWatcher* call);

  DesktopSettings settings_;
};

}  // namespace trimbol::app
