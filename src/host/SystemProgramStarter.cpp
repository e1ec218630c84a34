#include "host/SystemProgramStarter.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

#include <cerrno>
#include <cstring>

namespace tempiro::host {

namespace {

StartOutcome refused(int errorNumber) {
    return {false, 0, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

} // namespace

StartOutcome SystemProgramStarter::start(const QString& program, const QStringList& arguments) {
    const QFileInfo file(program);
    if (!file.exists())
        return refused(ENOENT);
    if (!file.isFile() || !file.isExecutable())
        return refused(EACCES);
    qint64 pid = 0;
    if (!QProcess::startDetached(program, arguments, QString(), &pid))
        return refused(ENOEXEC);
    return {true, pid, 0, {}};
}

bool SystemProgramStarter::isRunning(qint64 taskId) {
#ifdef Q_OS_UNIX
    return taskId > 0 && ::kill(static_cast<pid_t>(taskId), 0) == 0;
#else
    Q_UNUSED(taskId);
    return false;
#endif
}

QString SystemProgramStarter::findProgram(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

} // namespace tempiro::host
