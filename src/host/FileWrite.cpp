#include "host/FileWrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <sys/statvfs.h>
#include <unistd.h>

namespace tempiro::host {

QString replaceFile(const QString& path, const QByteArray& content) {
    return replaceFileWith(path, [&content](QIODevice& out, bool& changed) {
        changed = true;
        return out.write(content) == content.size() ? QString() : out.errorString();
    });
}

QString replaceFileWith(const QString& path,
                        const std::function<QString(QIODevice& out, bool& changed)>& write) {
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    bool changed = false;
    // QSaveFile keeps small writes in a buffer and, when the disk is full, still puts the empty
    // file in place at commit; so every step is checked here first.
    QString reason = write(out, changed);
    if (reason.isEmpty() && changed && !out.flush())
        reason = out.errorString();
    if (reason.isEmpty() && changed && ::fsync(out.handle()) != 0)
        reason = QString::fromLocal8Bit(std::strerror(errno));
    if (!reason.isEmpty() || !changed) {
        out.cancelWriting();
        return reason;
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

namespace {

constexpr qint64 kEmptyLockMilliseconds = 100;
constexpr unsigned long kLockPollMilliseconds = 20;

QString lockFailure(const QLockFile& lock, const QString& file) {
    const QString folder = QFileInfo(file).absolutePath();
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QCoreApplication::translate("StorageText", "another program is writing %1")
            .arg(file);
    case QLockFile::PermissionError:
        return QCoreApplication::translate("StorageText", "no permission to write in %1")
            .arg(folder);
    default:
        // QLockFile does not pass on why it could not make its file.
        return writeFailureIn(folder);
    }
}

} // namespace

QString writeFailureIn(const QString& folder) {
    struct statvfs disk = {};
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) == 0 && disk.f_bavail == 0)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    return QCoreApplication::translate("StorageText", "cannot write in %1").arg(folder);
}

namespace {

// Qt guards the removal of a stale lock with a second lock beside it; a writer killed in that
// moment leaves it behind. Once the lock is ours, one whose owner is gone is cleared.
void clearLeftRemovalLock(const QString& lockFile) {
    const QString removalLock = lockFile + QStringLiteral(".rmlock");
    if (!QFileInfo::exists(removalLock))
        return;
    QLockFile left(removalLock);
    left.setStaleLockTime(0);
    if (left.tryLock(0))
        left.unlock();
}

} // namespace

QString takeWriterLock(QLockFile& lock, const QString& file, int milliseconds) {
    // A writer holds the lock only while it writes; an age limit would let another writer in.
    lock.setStaleLockTime(0);
    const QString lockFile = file + QStringLiteral(".lock");
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock.tryLock(0)) {
            clearLeftRemovalLock(lockFile);
            return {};
        }
        if (lock.error() != QLockFile::LockFailedError)
            break;
        // A writer records itself in the lock the moment it has made it, so a lock that has
        // stayed empty for a while was left by a writer killed in between. Qt cannot tell whose
        // it is and would wait it out.
        qint64 pid = 0;
        QString hostName;
        QString application;
        const qint64 age = QFileInfo(lockFile).lastModified().msecsTo(QDateTime::currentDateTime());
        if (!lock.getLockInfo(&pid, &hostName, &application) && age > kEmptyLockMilliseconds &&
            lock.removeStaleLockFile() && lock.tryLock(0)) {
            clearLeftRemovalLock(lockFile);
            return {};
        }
        if (waited.elapsed() >= milliseconds)
            break;
        QThread::msleep(kLockPollMilliseconds);
    }
    return lockFailure(lock, file);
}

void removeInterruptedWrites(const QString& file) {
    const QFileInfo info(file);
    QDir folder = info.dir();
    // QSaveFile's temporary names: the file's name, a dot and six letters or digits.
    static const QRegularExpression kSuffix(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QStringList candidates =
        folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden);
    for (const QString& name : candidates)
        if (kSuffix.match(name.mid(info.fileName().size())).hasMatch())
            folder.remove(name);
}

} // namespace tempiro::host
