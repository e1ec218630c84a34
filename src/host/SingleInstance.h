#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tempiro::host {

// One timer per user: the first copy holds a lock in the user's runtime folder and listens on a
// local socket beside it; a later start connects, which asks that copy to come forward, and
// ends. A later start with a command sends it as a request and waits for the answer. A lock
// left by a copy that was killed is taken over at once. Plain sockets keep Qt's network
// library, and all it loads, out of the start.
//
// A later start never waits longer than its deadline, and what it says is true: its request
// carries the moment it stops waiting, on the monotonic clock both processes share, and the
// running copy first tells the caller that it takes the request, before the deadline, or drops
// it unapplied. A caller that heard nothing by then can say that nothing was changed.
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
        Unanswered,   // a copy runs but took nothing within the deadline: nothing was changed
        Foreign,      // the socket is another user's: nothing was sent
    };
    // Waits up to the given time for a copy that is just starting or just ending. With a
    // request, a running copy is given it instead of being asked to come forward.
    Outcome claim(int milliseconds = kWaitMilliseconds, const QByteArray& request = {});
    // The first copy starts taking later starts' requests; they wait in the socket's queue
    // until then. Needs the application's event loop, so it comes after the claim, which
    // does not.
    void acceptRequests();
    // After a request was given: the running copy's answer, nothing when it took the request
    // but its answer did not come in time.
    const std::optional<QByteArray>& answer() const { return m_answer; }
    // The socket's path, or its name in the abstract namespace after an "@".
    QString socketAddress() const;
    // Why the first copy could not listen, and so takes no requests (empty when it listens).
    const QString& listenFailure() const { return m_listenFailure; }

    // How the first copy answers a request; without it, requests go unanswered.
    std::function<QByteArray(const QByteArray& request)> answerRequest;
    // Whose copies this one talks to and takes requests from: its own user's.
    uint user;

    static constexpr int kWaitMilliseconds = 3000;
    // A request: a few hundred bytes; anything larger is not one of ours.
    static constexpr qsizetype kMaxMessage = 64 * 1024;
    // An answer tells the alarm, whose title the dialog does not bound.
    static constexpr qsizetype kMaxAnswer = 1024 * 1024;
    // How long either side waits for the other's whole message: a caller's deadline.
    static constexpr int kMessageMilliseconds = 2000;
    // How long a caller waits for the answer to a request the copy took.
    static constexpr int kAnswerMilliseconds = 10000;

signals:
    void showRequested();

private:
    QString socketName() const;
    bool listen();
    enum class Reach { NotListening, Busy, Foreign, Asked, Unanswered };
    Reach askRunning(const QByteArray& request, qint64 deadline);
    void serve(int peer);

    // A later start's connection, from its accept to its close.
    struct Connection {
        explicit Connection(int fd);
        ~Connection();
        void drop();
        int peer;
        QSocketNotifier reading;
        QTimer deadline;
        QByteArray request;
    };
    void answer(const std::shared_ptr<Connection>& c);
    void finish(const std::shared_ptr<Connection>& c);

    QString m_folder;
    QLockFile m_lock;
    int m_listener = -1; // the listening socket's descriptor
    QSocketNotifier* m_accepting = nullptr;
    std::optional<QByteArray> m_answer;
    QString m_listenFailure;
    std::vector<std::shared_ptr<Connection>> m_connections;
};

} // namespace tempiro::host
