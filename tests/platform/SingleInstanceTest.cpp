#include "platform/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

using Outcome = platform::SingleInstance::Outcome;

TEST(SingleInstance, ALaterStartAsksTheFirstToComeForwardUntilItEnds) {
    QTemporaryDir folder;
    auto first = std::make_unique<platform::SingleInstance>(folder.path());
    ASSERT_EQ(first->claim(), Outcome::First);
    QSignalSpy shown(first.get(), &platform::SingleInstance::showRequested);

    platform::SingleInstance second(folder.path());
    EXPECT_EQ(second.claim(), Outcome::AskedRunning);
    EXPECT_TRUE(shown.wait(2000));

    first.reset();
    platform::SingleInstance third(folder.path());
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
    EXPECT_EQ(platform::SingleInstance(folder.path()).claim(100), Outcome::First);

    EXPECT_EQ(platform::SingleInstance(folder.filePath("missing/folder")).claim(100),
              Outcome::Unguarded);
}
