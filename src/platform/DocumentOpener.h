#pragma once

#include "platform/DesktopApps.h"

#include <QString>

namespace tempiro::platform {

// Opens a file with the desktop's handler for its type; false when nothing could be started.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual bool open(const QString& file) = 0;
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

} // namespace tempiro::platform
