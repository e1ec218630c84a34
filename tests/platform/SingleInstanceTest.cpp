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
#include <sys/un.h>
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

    first.reset();
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
