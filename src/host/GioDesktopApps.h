#pragma once

#include "platform/DesktopApps.h"

namespace tempiro::host {

using platform::DesktopApp;
using platform::DesktopApps;
using platform::StartOutcome;

class GioDesktopApps final : public DesktopApps {
public:
    std::optional<DesktopApp> defaultFor(const QString& contentType) override;
    std::optional<DesktopApp> forProgram(const QString& name) override;
    StartOutcome launch(const DesktopApp& app, const QStringList& uris) override;
};

} // namespace tempiro::host
