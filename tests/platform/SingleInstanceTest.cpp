#include "host/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <time.h>
#include <unistd.h>

using namespace tempiro;

using Outcome = host::SingleInstance::Outcome;

TEST(SingleInstance, ALaterStartAsksTheFirstToComeForwardUntilItEnds) {
    QTemporaryDir folder;
    auto first = std::make_unique<host::SingleInstance>(folder.path());
    ASSERT_EQ(first->claim(), Outcome::First);
    first->acceptRequests();
    QSignalSpy shown(first.get(), &host::SingleInstance::showRequested);

    host::SingleInstance second(folder.path());
    EXPECT_EQ(second.claim(), Outcome::AskedRunning);
    EXPECT_TRUE(shown.wait(2000));

    struct stat lock {};
    ASSERT_EQ(::stat(QFile::encodeName(folder.filePath("tempiro.lock")).constData(), &lock), 0);
    EXPECT_EQ(lock.st_mode & 0777, 0600u)
        << "the lock tells the holder's process to the user alone";
    first.reset();
    EXPECT_FALSE(QFile::exists(folder.filePath("tempiro.socket"))) << "removed at the close";
    host::SingleInstance third(folder.path());
    EXPECT_EQ(third.claim(), Outcome::First) << "the first copy's end frees the lock";
}

TEST(SingleInstance, TheLockOfAKilledCopyIsTakenOverAndAnUnusableFolderNeverStopsAStart) {
    QTemporaryDir folder;
    QProcess gone;
    gone.start("true", {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    // A lock as QLockFile leaves it, with the owner changed to a process that has ended.
    const QString lockFile = QDir(folder.path()).filePath("tempiro.lock");
    QByteArray owner;
    {
        QLockFile ours(lockFile);
        ASSERT_TRUE(ours.tryLock(0));
        QFile file(lockFile);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        owner = file.readAll();
    }
    QFile file(lockFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + owner.mid(owner.indexOf('\n')));
    file.close();
    EXPECT_EQ(host::SingleInstance(folder.path()).claim(100), Outcome::First);

    EXPECT_EQ(host::SingleInstance(folder.filePath("missing/folder")).claim(100),
              Outcome::Unguarded);
}

namespace {

// Runs a later start's side on a thread of its own while the test's event loop serves.
template <class Client> auto whileServing(Client client) {
    auto result = std::async(std::launch::async, client);
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result.get();
}

// A client as a broken or hostile program would be one: sends what it is given, closes its
// side when told, and reports what came back before the copy closed the connection (or -1 on
// a timeout of 4 s).
qsizetype rawClient(const QString& folder, const QByteArray& bytes, bool finish, bool vanish) {
    const int peer = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(QDir(folder).filePath("tempiro.socket"));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    if (::connect(peer, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return -2;
    for (qsizetype sent = 0; sent < bytes.size();) {
        const ssize_t n =
            ::send(peer, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            break; // the copy hung up on us
        sent += n;
    }
    if (finish)
        ::shutdown(peer, SHUT_WR);
    qsizetype received = 0;
    pollfd readable{peer, POLLIN, 0};
    char buffer[256];
    ssize_t n = 1;
    while (!vanish && n > 0 && ::poll(&readable, 1, 4000) > 0 &&
           (n = ::read(peer, buffer, sizeof buffer)) > 0)
        received += n;
    ::close(peer);
    return n > 0 && !vanish ? -1 : received;
}

} // namespace

// Requests are answered; a request over the size limit, one sent by half and a client gone
// before its answer are dropped, and the copy answers the next one as before.
TEST(SingleInstance, NoClientKeepsTheRunningCopyFromAnsweringTheNext) {
    QTemporaryDir folder;
    host::SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), Outcome::First);
    first.answerRequest = [](const QByteArray& request) { return "answer to " + request; };
    first.acceptRequests();
    const auto ask = [&] {
        host::SingleInstance later(folder.path());
        EXPECT_EQ(later.claim(1000, "status"), Outcome::AskedRunning);
        return later.answer().value_or("no answer");
    };
    EXPECT_EQ(whileServing(ask), "answer to status");

    const QByteArray huge(host::SingleInstance::kMaxMessage * 2, 'x');
    EXPECT_EQ(whileServing([&] { return rawClient(folder.path(), huge, true, false); }), 0)
        << "dropped without an answer";
    EXPECT_EQ(whileServing([&] { return rawClient(folder.path(), "status", true, true); }), 0);

    QElapsedTimer waited;
    waited.start();
    auto half = std::async(std::launch::async,
                           [&] { return rawClient(folder.path(), "sta", false, false); });
    EXPECT_EQ(whileServing(ask), "answer to status") << "answered while half a request waits";
    EXPECT_EQ(whileServing([&] { return half.get(); }), 0);
    EXPECT_GE(waited.elapsed(), host::SingleInstance::kMessageMilliseconds - 100);
    EXPECT_EQ(whileServing(ask), "answer to status");
}

// A runtime folder whose path is too long for a socket's address still guards one copy.
TEST(SingleInstance, ARuntimeFolderOfAnyLengthGuardsOneCopy) {
    QTemporaryDir base;
    const QString folder = base.filePath(QString(150 - base.path().size(), u'r'));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_GT(QFile::encodeName(folder).size(), 140);
    host::SingleInstance first(folder);
    ASSERT_EQ(first.claim(), Outcome::First);
    first.answerRequest = [](const QByteArray&) { return QByteArray("here"); };
    first.acceptRequests();
    const auto ask = [&] {
        host::SingleInstance later(folder);
        EXPECT_EQ(later.claim(1000, "status"), Outcome::AskedRunning);
        return later.answer().value_or("no answer");
    };
    EXPECT_EQ(whileServing(ask), "here");
}

// A request still being answered when its deadline ends (the answer ran a dialog's event loop)
// is closed once: the descriptor the copy opened meanwhile, which took the closed one's number,
// is neither written to nor closed.
TEST(SingleInstance, ARequestEndingAtItsDeadlineClosesItsConnectionOnce) {
    QTemporaryDir folder;
    host::SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), Outcome::First);
    int opened[2] = {-1, -1};
    first.answerRequest = [&](const QByteArray&) {
        QEventLoop dialog;
        QTimer::singleShot(host::SingleInstance::kMessageMilliseconds + 200, &dialog,
                           &QEventLoop::quit);
        dialog.exec();
        EXPECT_EQ(::pipe(opened), 0);
        return QByteArray("late");
    };
    first.acceptRequests();
    EXPECT_EQ(whileServing([&] { return rawClient(folder.path(), "status", true, false); }), 0);
    QCoreApplication::processEvents();
    EXPECT_NE(::fcntl(opened[0], F_GETFD), -1) << "the descriptor opened meanwhile is open";
    EXPECT_EQ(::write(opened[1], "x", 1), 1);
    char read = 0;
    EXPECT_EQ(::read(opened[0], &read, 1), 1);
    ::close(opened[0]);
    ::close(opened[1]);
}

// A copy that never accepts (stopped) with its queue full, and then stops listening while it
// keeps the lock (closing): every caller, however many, gives up at its deadline and is told
// that nothing was taken.
TEST(SingleInstance, MoreCallersThanTheQueueEachEndAtTheirDeadline) {
    QTemporaryDir folder;
    QLockFile held(folder.filePath("tempiro.lock"));
    ASSERT_TRUE(held.tryLock(0));
    const int stopped = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(folder.filePath("tempiro.socket"));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(stopped, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(stopped, 1), 0);
    std::vector<std::future<Outcome>> callers;
    QElapsedTimer waited;
    waited.start();
    for (int i = 0; i < 6; ++i)
        callers.push_back(std::async(std::launch::async, [&] {
            return host::SingleInstance(folder.path()).claim(1000, "status");
        }));
    std::this_thread::sleep_for(std::chrono::milliseconds(500)); // each has been turned away
    ::close(stopped);
    for (auto& caller : callers) {
        ASSERT_EQ(caller.wait_for(std::chrono::seconds(5)), std::future_status::ready)
            << "a caller still waits after 5 s";
        EXPECT_EQ(caller.get(), Outcome::Unanswered);
    }
    EXPECT_LT(waited.elapsed(), host::SingleInstance::kMessageMilliseconds + 1000);
}

// The copy carries out a request only while its caller still waits: one past its deadline or
// whose caller has gone is dropped unapplied and unanswered; one in time is taken first.
TEST(SingleInstance, ARequestWhoseCallerGaveUpIsNotCarriedOut) {
    QTemporaryDir folder;
    host::SingleInstance first(folder.path());
    ASSERT_EQ(first.claim(), Outcome::First);
    int carriedOut = 0;
    first.answerRequest = [&](const QByteArray& request) {
        ++carriedOut;
        return "answer to " + request;
    };
    first.acceptRequests();
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const auto framed = [&](qint64 milliseconds) {
        return "tempiro-deadline " +
               QByteArray::number(qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec +
                                  milliseconds * 1'000'000) +
               "\nstatus";
    };
    const struct {
        QByteArray request;
        bool vanish;
        qsizetype received;
        int carriedOut;
    } cases[] = {
        {framed(-1), false, 0, 0},
        {framed(3000), true, 0, 0},
        {framed(3000), false, qsizetype(strlen("+answer to status")), 1},
    };
    for (const auto& c : cases) {
        carriedOut = 0;
        EXPECT_EQ(whileServing([&] { return rawClient(folder.path(), c.request, true, c.vanish); }),
                  c.received)
            << c.request.toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(carriedOut, c.carriedOut) << c.request.toStdString();
    }
}

// A listener of another user (here: a caller that counts as another user) is told nothing; a
// copy whose socket's name is taken says why it takes no requests.
TEST(SingleInstance, AnotherUsersListenerIsToldNothing) {
    QTemporaryDir base;
    const QString folder = base.filePath(QString(150 - base.path().size(), u'r'));
    ASSERT_TRUE(QDir().mkpath(folder));
    host::SingleInstance first(folder);
    ASSERT_EQ(first.claim(), Outcome::First);
    bool asked = false;
    first.answerRequest = [&](const QByteArray&) { return asked = true, QByteArray("here"); };
    first.acceptRequests();
    const Outcome outcome = whileServing([&] {
        host::SingleInstance later(folder);
        later.user = first.user + 1;
        return later.claim(1000, "status");
    });
    EXPECT_EQ(outcome, Outcome::Foreign);
    EXPECT_FALSE(asked);

    // With its lock file gone, a second copy gets a lock but not the name, which is taken.
    ASSERT_TRUE(QFile::remove(QDir(folder).filePath("tempiro.lock")));
    host::SingleInstance second(folder);
    EXPECT_EQ(second.claim(100), Outcome::Unguarded);
    EXPECT_EQ(second.listenFailure(), second.socketAddress() + ": Address already in use");
}
