#pragma once

#include "platform/BrowserAssociation.h"
#include "platform/DesktopApps.h"
#include "platform/ProgramStarter.h"

#include <optional>

namespace tempiro::host {

using platform::BrowserAssociation;
using platform::DesktopApp;
using platform::DesktopApps;
using platform::ProgramStarter;
using platform::StartOutcome;

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

} // namespace tempiro::host
