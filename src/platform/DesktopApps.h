#pragma once

#include "platform/Launch.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

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

class GioDesktopApps final : public DesktopApps {
public:
    std::optional<DesktopApp> defaultFor(const QString& contentType) override;
    std::optional<DesktopApp> forProgram(const QString& name) override;
    StartOutcome launch(const DesktopApp& app, const QStringList& uris) override;
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

// Opens documents of one content type with the desktop's handler for it; false when the
// desktop has none (no fallback that could pick a terminal editor).
class DesktopDocumentOpener final : public DocumentOpener {
public:
    DesktopDocumentOpener(DesktopApps& apps, QString contentType)
        : m_apps(apps)
        , m_contentType(std::move(contentType)) {}
    bool open(const QString& file) override;

private:
    DesktopApps& m_apps;
    QString m_contentType;
};

} // namespace platform
