#pragma once

#include "platform/DesktopApps.h"
#include "platform/DocumentOpener.h"

namespace tempiro::host {

using platform::DesktopApps;
using platform::DocumentOpener;

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

} // namespace tempiro::host
