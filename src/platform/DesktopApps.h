#pragma once

#include "platform/ProgramStarter.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace tempiro::platform {

// An application installed on the desktop: its desktop entry and the program its Exec line
// starts first (a wrapper such as env or flatpak when the entry has one).
struct DesktopApp {
    QString id;         // the desktop entry's id, "firefox-esr.desktop"
    QString executable; // full path where the search path has it
    bool operator==(const DesktopApp&) const = default;
};

// The desktop's own associations and its way of starting an application. Lookups read the
// desktop entries in this process and never start a program.
class DesktopApps {
public:
    virtual ~DesktopApps() = default;
    // The application the desktop opens this content type with ("x-scheme-handler/https").
    virtual std::optional<DesktopApp> defaultFor(const QString& contentType) = 0;
    // An installed application whose entry starts the named program.
    virtual std::optional<DesktopApp> forProgram(const QString& name) = 0;
    // Starts the application as its entry says (field codes, quoting, wrappers, a terminal,
    // D-Bus activation), handing it the URIs; an address is never run as a program.
    virtual StartOutcome launch(const DesktopApp& app, const QStringList& uris) = 0;
};

} // namespace tempiro::platform
