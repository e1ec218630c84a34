#pragma once

#include <QDBusPendingCall>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

namespace tempiro::platform {

struct Notification {
    QString summary;
    QString body;
    // Choices offered on the notification, as (key, label); the key "default" is a click on the
    // notification itself. Left out where the desktop cannot show them.
    QList<std::pair<QString, QString>> actions;
    // The alarm's own notice: it takes the place of the alarm's previous one rather than
    // stacking beside it, and it is the one withdraw() takes back.
    bool alarm = false;
    bool operator==(const Notification&) const = default;
};

// Desktop notifications, seen even where the desktop will not raise or pin a window.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const Notification& notification) = 0;
    void notify(const QString& summary, const QString& body) {
        notify(Notification{summary, body, {}, false});
    }
    // Takes the alarm's notice back from the screen, once what it told is out of date.
    virtual void withdraw() = 0;
    // Called with the key of the action the user chose on the alarm's notice.
    std::function<void(const QString& key)> onAction;
};

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

} // namespace tempiro::platform
