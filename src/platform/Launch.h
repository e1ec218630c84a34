#pragma once

#include <QString>
#include <QStringList>

namespace platform {

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

class SystemProgramStarter final : public ProgramStarter {
public:
    StartOutcome start(const QString& program, const QStringList& arguments) override;
    QString findProgram(const QString& name) override;
    bool isRunning(qint64 taskId) override;
};

// Asks the desktop which program opens a document like the one given (an .htm file), and
// starts it the way the desktop would.
class BrowserAssociation {
public:
    virtual ~BrowserAssociation() = default;
    static constexpr int kFound = 42;
    static constexpr int kNoAssociation = 31;
    static constexpr int kFileNotFound = 2;
    // A result code, 32 or more on success, and the program's full path in `answer`.
    virtual int findExecutable(const QString& document, QString& answer) = 0;
    // Starts the browser at `program` (as findExecutable named it) on the addresses, each one
    // argument.
    virtual StartOutcome start(const QString& program, const QStringList& addresses) = 0;
};

// Message boxes with an OK button and the given caption.
class MessageBoxes {
public:
    enum class Icon { None, Exclamation };
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text, const QString& caption, Icon icon) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(const QString& text, const QString& caption, Icon icon) override;
};

// Opens a file with the desktop's handler for its type; false when nothing could be started.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QString& file) = 0;
};

} // namespace platform
