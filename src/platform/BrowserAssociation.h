#pragma once

#include "platform/DesktopApps.h"
#include "platform/ProgramStarter.h"

#include <optional>

namespace tempiro::platform {

// Asks the desktop which program opens a document like the one given (an .htm file), and
// starts it the way the desktop would.
class BrowserAssociation {
public:
    virtual ~BrowserAssociation() = default;
    static constexpr int kFound = 42;
    static constexpr int kNoAssociation = 31;
    static constexpr int kFileNotFound = 2;
    // Codes below this one are failures.
    static constexpr int kFirstSuccess = 32;
    // A result code, 32 or more on success, and the program's full path in `answer`.
    virtual int findExecutable(const QString& document, QString& answer) = 0;
    // Starts the browser at `program` (as findExecutable named it) on the addresses, each one
    // argument.
    virtual StartOutcome start(const QString& program, const QStringList& addresses) = 0;
};

// The browser is the desktop's handler of web addresses (then of .htm documents), started
// through its desktop entry. Asked by type, nothing needs to be written for the lookup.
class DesktopBrowserAssociation final : public BrowserAssociation {
public:
    DesktopBrowserAssociation(DesktopApps& apps, ProgramStarter& starter)
        : m_apps(apps)
        , m_starter(starter) {}
    int findExecutable(const QString& document, QString& answer) override;
    StartOutcome start(const QString& program, const QStringList& addresses) override;

private:
    std::optional<DesktopApp> find();

    DesktopApps& m_apps;
    ProgramStarter& m_starter;
    std::optional<DesktopApp> m_found; // the browser of the last lookup
};

} // namespace tempiro::platform
