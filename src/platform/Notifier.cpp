#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace platform {

namespace {
constexpr int kDefaultTimeout = -1;
}

void DBusNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Tempiro Timer") << 0u << QStringLiteral("tempiro") << summary << body
         << QStringList() << QVariantMap() << kDefaultTimeout;
    bus.asyncCall(call);
}

} // namespace platform
