#include "platform/Launch.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#ifdef Q_OS_UNIX
#include <csignal>
#endif

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

StartOutcome refused(int errorNumber) {
    return {false, 0, errorNumber, QString::fromLocal8Bit(std::strerror(errorNumber))};
}

constexpr int kLookupMilliseconds = 3000;

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

QString XdgBrowserAssociation::execProgram(const QString& desktopEntry) {
    QFile file(desktopEntry);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.startsWith(QStringLiteral("Exec="))) {
            const QStringList words = QProcess::splitCommand(line.mid(5));
            if (words.isEmpty())
                return {};
            const QString program = words.first();
            return QFileInfo(program).isAbsolute() ? program
                                                   : QStandardPaths::findExecutable(program);
        }
    }
    return {};
}

int XdgBrowserAssociation::findExecutable(const QString& document, QString& answer) {
    if (!QFileInfo::exists(document))
        return kFileNotFound;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(kLookupMilliseconds) || query.exitCode() != 0)
        return kNoAssociation;
    const QString entry = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
    if (entry.isEmpty())
        return kNoAssociation;
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    const QString program = path.isEmpty() ? QString() : execProgram(path);
    if (program.isEmpty())
        return kNoAssociation;
    answer = program;
    return kFound;
}

void QtMessageBoxes::show(const QString& text, const QString& caption, Icon icon) {
    QMessageBox box(icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, caption,
                    text, QMessageBox::Ok);
    box.exec();
}

bool XdgDocumentOpener::open(const QString& file) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !opener.isEmpty() && m_starter.start(opener, {file}).started;
}

} // namespace platform
