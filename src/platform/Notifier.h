#pragma once

#include <QDBusPendingCall>
#include <QList>
#include <QString>

namespace tempiro::platform {

// Desktop notifications, seen even where the desktop will not raise or pin a window.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString& summary, const QString& body) = 0;
};

// The freedesktop notification service on the session bus; silent when there is none. The
// call does not wait for an answer, but the program does not end before the last ones were
// delivered (or a second has passed): a notification made while closing must not be lost.
class DBusNotifier final : public Notifier {
public:
    ~DBusNotifier() override;
    void notify(const QString& summary, const QString& body) override;

private:
    QList<QDBusPendingCall> m_pending;
};

} // namespace tempiro::platform
