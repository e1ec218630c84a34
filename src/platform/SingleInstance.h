#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace tempiro::platform {

// One timer per user: the first copy holds a lock in the user's runtime folder and listens on a
// local socket beside it; a later start connects, which asks that copy to come forward, and
// ends. A lock left by a copy that was killed is taken over at once. Plain sockets keep Qt's
// network library, and all it loads, out of the start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The folder defaults to the user's runtime folder.
    explicit SingleInstance(QString folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome {
        First,        // this copy runs; showRequested tells of later starts
        AskedRunning, // another copy runs and was asked to come forward; this one should end
        Unguarded,    // the lock cannot be made here (no runtime folder, a full disk): run anyway
    };
    // Waits up to the given time for a copy that is just starting or just ending.
    Outcome claim(int milliseconds = kWaitMilliseconds);

    static constexpr int kWaitMilliseconds = 3000;

signals:
    void showRequested();

private:
    QString socketName() const;
    bool listen();
    bool askRunning();

    QString m_folder;
    QLockFile m_lock;
    int m_listener = -1; // the listening socket's descriptor
    QSocketNotifier* m_accepting = nullptr;
};

} // namespace tempiro::platform
