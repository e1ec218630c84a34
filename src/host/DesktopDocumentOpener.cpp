#include "host/DesktopDocumentOpener.h"

#include <QUrl>

namespace tempiro::host {

using platform::DesktopApp;

bool DesktopDocumentOpener::open(const QString& file) {
    const std::optional<DesktopApp> app = m_apps.defaultFor(m_contentType);
    return app &&
           m_apps.launch(*app, {QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)}).started;
}

} // namespace tempiro::host
