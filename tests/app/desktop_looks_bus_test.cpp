// The desktop's looks read over a real session bus from a stand-in for the
// settings portal: the start value, then a change the board follows within
// a second, and nothing asked when the portal is gone.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QTest>

#include "app/desktop_looks.h"
#include "app_test_support.h"

namespace trimbol::app::testing {
namespace {

const QString kPath = "/org/freedesktop/portal/desktop";

// Answers ReadAll with the appearance keys it holds, on a connection of its own.
class FakePortal : public QDBusVirtualObject {
 public:
  explicit FakePortal(QVariantMap appearance) : appearance_(std::move(appearance)) {
    bus_.registerVirtualObject(kPath, this);
    EXPECT_TRUE(bus_.registerService("org.freedesktop.portal.Desktop"));
  }
  ~FakePortal() override {
    bus_.unregisterObject(kPath);
    QDBusConnection::disconnectFromBus(bus_.name());
  }
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != "ReadAll") return false;
    QDBusArgument all;
    all << QMap<QString, QVariantMap>{{"org.freedesktop.appearance", appearance_}};
    connection.send(message.createReply(QVariant::fromValue(all)));
    return true;
  }
  void Change(const QString& key, uint value) {
    QDBusMessage signal = QDBusMessage::createSignal(kPath, "org.freedesktop.portal.Settings", "SettingChanged");
    signal << "org.freedesktop.appearance" << key << QVariant::fromValue(QDBusVariant(value));
    bus_.send(signal);
  }

 private:
  QDBusConnection bus_ = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "portal");
  QVariantMap appearance_;
};

using DesktopLooksBus = WindowTest;

TEST_F(DesktopLooksBus, TheBoardTakesThePortalsLooksAtStartAndFollowsAChangeWithinASecond) {
  ASSERT_TRUE(QDBusConnection::sessionBus().isConnected());
  FakePortal portal({{"reduced-motion", 1u}, {"contrast", 0u}});
  DesktopLooks looks;
  QObject::connect(&looks, &DesktopLooks::changed, window_.get(), &MainWindow::FollowDesktop);
  looks.Start();
  QTRY_COMPARE_WITH_TIMEOUT(looks.wishes(), (LookWishes{false, true}), 5000);
  EXPECT_EQ(window_->surface().look(), pictures::Look::kDefault);

  QElapsedTimer since;
  since.start();
  portal.Change("contrast", 1);
  QTRY_COMPARE_WITH_TIMEOUT(window_->surface().look(), pictures::Look::kHighContrast, 1000);
  std::printf("the board followed the desktop after %lld ms\n", static_cast<long long>(since.elapsed()));
  portal.Change("contrast", 0);
  QTRY_COMPARE_WITH_TIMEOUT(window_->surface().look(), pictures::Look::kDefault, 1000);
}

TEST_F(DesktopLooksBus, WithoutAPortalTheLookStaysTheDefault) {
  DesktopLooks looks;
  bool changed = false;
  QObject::connect(&looks, &DesktopLooks::changed, [&] { changed = true; });
  looks.Start();
  QTest::qWait(300);
  EXPECT_FALSE(changed);
  EXPECT_EQ(looks.wishes(), LookWishes{});
}

}  // namespace
}  // namespace trimbol::app::testing
