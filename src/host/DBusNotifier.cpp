#include "host/DBusNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace tempiro::host {

namespace {
constexpr int kDefaultTimeout = -1;
constexpr int kAnswerMilliseconds = 1000;
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage serverCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kService, method);
}
} // namespace

DBusNotifier::~DBusNotifier() {
    for (QDBusPendingCall& call : m_pending)
        call.waitForFinished();
}

void DBusNotifier::keep(const QDBusPendingCall& call) {
    m_pending.removeIf([](const QDBusPendingCall& pending) { return pending.isFinished(); });
    m_pending.append(call);
}

void DBusNotifier::notify(const Notification& notification) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    if (notification.actions.isEmpty() || m_actions == Actions::Shown ||
        m_actions == Actions::NotShown) {
        send(notification);
        return;
    }
    m_waiting.append(notification);
    if (m_actions == Actions::Asking)
        return;
    m_actions = Actions::Asking;
    // The answers about chosen actions come as signals; they are heard from the first notice
    // that offers some.
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this,
                SLOT(onClosed(uint, uint)));
    const QDBusPendingCall asked =
        bus.asyncCall(serverCall(QStringLiteral("GetCapabilities")), kAnswerMilliseconds);
    keep(asked);
    auto* watcher = new QDBusPendingCallWatcher(asked, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<QStringList> capabilities = *w;
        m_actions =
            capabilities.isValid() && capabilities.value().contains(QStringLiteral("actions"))
                ? Actions::Shown
                : Actions::NotShown;
        for (const Notification& waiting : std::exchange(m_waiting, {}))
            send(waiting);
        w->deleteLater();
    });
}

void DBusNotifier::send(const Notification& notification) {
    QStringList actions;
    if (m_actions == Actions::Shown)
        for (const auto& [key, label] : notification.actions)
            actions << key << label;
    QDBusMessage call = serverCall(QStringLiteral("Notify"));
    const uint replaces = notification.alarm ? m_alarmId : 0;
    // The desktop entry gives servers the program's name and icon; a critical notice stays
    // until it is answered.
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("tempiro")},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(notification.urgent ? 2 : 1))}};
    call << QStringLiteral("Tempiro Timer") << replaces << QStringLiteral("tempiro")
         << notification.summary << notification.body << actions << hints << kDefaultTimeout;
    const QDBusPendingCall sent =
        QDBusConnection::sessionBus().asyncCall(call, kAnswerMilliseconds);
    keep(sent);
    if (!notification.alarm)
        return;
    auto* watcher = new QDBusPendingCallWatcher(sent, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, withdrawals = m_withdrawals](QDBusPendingCallWatcher* w) {
                const QDBusPendingReply<uint> id = *w;
                // Withdrawn before the server had even said which notice it is.
                if (id.isValid() && withdrawals != m_withdrawals)
                    close(id.value());
                else if (id.isValid())
                    m_alarmId = id.value();
                w->deleteLater();
            });
}

void DBusNotifier::withdraw() {
    ++m_withdrawals;
    if (m_alarmId != 0)
        close(std::exchange(m_alarmId, 0u));
}

void DBusNotifier::close(uint id) {
    QDBusMessage call = serverCall(QStringLiteral("CloseNotification"));
    call << id;
    keep(QDBusConnection::sessionBus().asyncCall(call, kAnswerMilliseconds));
}

void DBusNotifier::onActionInvoked(uint id, const QString& key) {
    // Other programs' notices raise the same signal.
    if (id != 0 && id == m_alarmId && onAction)
        onAction(key);
}

void DBusNotifier::onClosed(uint id, uint) {
    if (id == m_alarmId)
        m_alarmId = 0;
}

} // namespace tempiro::host
