#pragma once

#include <QString>

namespace platform {

// Desktop notifications, seen even where the desktop will not raise or pin a window.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString& summary, const QString& body) = 0;
};

// The freedesktop notification service on the session bus; silent when there is none. The
// call does not wait for an answer.
class DBusNotifier final : public Notifier {
public:
    void notify(const QString& summary, const QString& body) override;
};

} // namespace platform
