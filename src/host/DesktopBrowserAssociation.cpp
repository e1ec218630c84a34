#include "host/DesktopBrowserAssociation.h"

namespace tempiro::host {

std::optional<DesktopApp> DesktopBrowserAssociation::find() {
    for (const char* type : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        if (std::optional<DesktopApp> app = m_apps.defaultFor(QString::fromLatin1(type)))
            return app;
    }
    return std::nullopt;
}

int DesktopBrowserAssociation::findExecutable(const QString&, QString& answer) {
    m_found = find();
    if (!m_found || m_found->executable.isEmpty())
        return kNoAssociation;
    answer = m_found->executable;
    return kFound;
}

StartOutcome DesktopBrowserAssociation::start(const QString& program,
                                              const QStringList& addresses) {
    // The entry found by the lookup knows how its program wants to be started; a path that is
    // not that entry's is started directly.
    if (m_found && m_found->executable == program)
        return m_apps.launch(*m_found, addresses);
    return m_starter.start(program, addresses);
}

} // namespace tempiro::host
