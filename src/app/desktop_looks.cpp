// The settings portal over the session bus, asynchronously.
#include "desktop_looks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QStringList>

namespace trimbol::app {
namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kGnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");

// A value as the bus gave it: possibly still wrapped in a variant.
QVariant Unwrapped(QVariant value) {
  while (value.userType() == qMetaTypeId<QDBusVariant>()) {
    value = value.value<QDBusVariant>().variant();
  }
  return value;
}

}  // namespace

bool DesktopSettings::Take(const QString& group, const QString& key, const QVariant& value) {
  const QVariant v = Unwrapped(value);
  if (group == kAppearance && key == QLatin1String("contrast")) {
    contrast = v.toUInt() == 1;
  } else if (group == kAppearance && key == QLatin1String("reduced-motion")) {
    reducedMotion = v.toUInt() == 1;
  } else if (group == kGnomeA11y && key == QLatin1String("high-contrast")) {
    gnomeHighContrast = v.toBool();
  } else if (group == kGnomeInterface && key == QLatin1String("enable-animations")) {
    gnomeAnimations = v.toBool();
  } else {
    return false;
  }
  return true;
}

LookWishes DesktopSettings::Wishes() const {
  return {contrast.value_or(gnomeHighContrast.value_or(false)),
          reducedMotion.value_or(!gnomeAnimations.value_or(true))};
}

void DesktopLooks::Start() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  // Any sender: naming the portal would make Qt look up its owner, waiting.
  // The whole message: a slot typed (QString, QString, QDBusVariant) is
  // refused by Qt 6.4 for this signal.
  bus.connect(QString(), kPath, kSettings, QStringLiteral("SettingChanged"), this,
              SLOT(OnSettingChanged(QDBusMessage)));
  QDBusMessage read = QDBusMessage::createMethodCall(kPortal, kPath, kSettings, QStringLiteral("ReadAll"));
  read.setArguments({QStringList{kAppearance, kGnomeA11y, kGnomeInterface}});
  auto* call = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
  connect(call, &QDBusPendingCallWatcher::finished, this, &DesktopLooks::OnRead);
}

void DesktopLooks::OnRead(QDBusPendingCallWatcher* call) {
  call->deleteLater();
  const QDBusMessage reply = call->reply();
  // No portal, or one without settings: the default look stays.
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return;
  // a{sa{sv}}: each group with its keys and values.
  const QDBusArgument groups = reply.arguments().constFirst().value<QDBusArgument>();
  const LookWishes before = settings_.Wishes();
  groups.beginMap();
  while (!groups.atEnd()) {
    QString group;
    QVariantMap keys;
    groups.beginMapEntry();
    groups >> group >> keys;
    groups.endMapEntry();
    for (auto it = keys.cbegin(); it != keys.cend(); ++it) settings_.Take(group, it.key(), it.value());
  }
  groups.endMap();
  if (settings_.Wishes() != before) emit changed(settings_.Wishes());
}

void DesktopLooks::OnSettingChanged(const QDBusMessage& change) {
  // (namespace, key, value)
  const QVariantList arguments = change.arguments();
  if (arguments.size() != 3) return;
  const LookWishes before = settings_.Wishes();
  if (settings_.Take(arguments[0].toString(), arguments[1].toString(), arguments[2]) && settings_.Wishes() != before) {
    emit changed(settings_.Wishes());
  }
}

}  // namespace trimbol::app
