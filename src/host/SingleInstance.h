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
    // Waits up to the given time for a copy that is just starting or just ending. With a
    // request, a running copy is given it instead of being asked to come forward.
    Outcome claim(int milliseconds = kWaitMilliseconds, const QByteArray& request = {});
    // The first copy starts taking later starts' requests; they wait in the socket's queue
    // until then. Needs the application's event loop, so it comes after the claim, which
    // does not.
    void acceptRequests();
    // After a request was given: the running copy's answer, nothing when none came in time.
    const std::optional<QByteArray>& answer() const { return m_answer; }

    // How the first copy answers a request; without it, requests go unanswered.
    std::function<QByteArray(const QByteArray& request)> answerRequest;

    static constexpr int kWaitMilliseconds = 3000;
    // A request or an answer: a few hundred bytes; anything larger is not one of ours.
    static constexpr qsizetype kMaxMessage = 64 * 1024;
    // How long either side waits for the other's whole message.
    static constexpr int kMessageMilliseconds = 2000;

signals:
    void showRequested();

private:
    QString socketName() const;
    bool listen();
    bool askRunning(const QByteArray& request);
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

    QString m_folder;
    QLockFile m_lock;
    int m_listener = -1; // the listening socket's descriptor
    QSocketNotifier* m_accepting = nullptr;
    std::optional<QByteArray> m_answer;
    std::vector<std::shared_ptr<Connection>> m_connections;
};

} // namespace tempiro::host
