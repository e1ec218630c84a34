#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace tempiro::platform {

namespace {
constexpr int kDefaultTimeout = -1;
constexpr int kAnswerMilliseconds = 1000;
} // namespace

DBusNotifier::~DBusNotifier() {
    for (QDBusPendingCall& call : m_pending)
        call.waitForFinished();
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
    m_pending.removeIf([](const QDBusPendingCall& pending) { return pending.isFinished(); });
    m_pending.append(bus.asyncCall(call, kAnswerMilliseconds));
}

} // namespace tempiro::platform
