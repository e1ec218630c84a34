#pragma once

#include <QList>
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
    // Stays until answered (the end of the countdown), where others leave after a while.
    bool urgent = false;
    bool operator==(const Notification&) const = default;
};

// Desktop notifications, seen even where the desktop will not raise or pin a window.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const Notification& notification) = 0;
    void notify(const QString& summary, const QString& body) {
        notify(Notification{summary, body, {}, false, false});
    }
    // Takes the alarm's notice back from the screen, once what it told is out of date.
    virtual void withdraw() = 0;
    // Called with the key of the action the user chose on the alarm's notice.
    std::function<void(const QString& key)> onAction;
};

} // namespace tempiro::platform
