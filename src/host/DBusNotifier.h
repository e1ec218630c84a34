#pragma once

#include "platform/Notifier.h"

#include <QDBusPendingCall>
#include <QObject>

namespace tempiro::host {

using platform::Notification;
using platform::Notifier;

// The freedesktop notification service on the session bus; silent when there is none. The
// call does not wait for an answer, but the program does not end before the last ones were
// delivered (or a second has passed): a notification made while closing must not be lost.
// Whether the server shows actions is asked once, with the first notice that carries some.
class DBusNotifier final : public QObject, public Notifier {
    Q_OBJECT
public:
    ~DBusNotifier() override;
    void notify(const Notification& notification) override;
    using Notifier::notify;
    void withdraw() override;

private slots:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

private:
    void send(const Notification& notification);
    void keep(const QDBusPendingCall& call);
    void close(uint id);

    enum class Actions { Unknown, Asking, Shown, NotShown };
    Actions m_actions = Actions::Unknown;
    QList<Notification> m_waiting; // for the server's answer about actions
    uint m_alarmId = 0;            // the alarm's notice on the screen, 0 when none
    int m_withdrawals = 0;
    QList<QDBusPendingCall> m_pending;
};

} // namespace tempiro::host
