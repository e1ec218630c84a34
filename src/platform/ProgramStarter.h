#pragma once

#include <QString>
#include <QStringList>

namespace tempiro::platform {

// What a program start gave.
struct StartOutcome {
    // The task of an application the desktop started for us (over D-Bus): no process of ours.
    static constexpr qint64 kStartedByDesktop = -1;
    bool started = false;
    qint64 taskId = 0;   // the started process's id
    int errorNumber = 0; // when not started: the system's error number
    QString errorDescription;
};

// Starts a program as a separate process, not waited for.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    virtual StartOutcome start(const QString& program, const QStringList& arguments) = 0;
    // The full path of an installed program found on the search path; empty when none.
    virtual QString findProgram(const QString& name) = 0;
    // Whether a program started here is still running.
    virtual bool isRunning(qint64 taskId) = 0;
};

} // namespace tempiro::platform
