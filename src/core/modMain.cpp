#include "core/modMain.h"

#include "core/StoredText.h"
#include "core/frmTempiro.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcTrace, "tempiro.trace", QtWarningMsg)

namespace modMain {

bool bTrace = false;
bool bTraceErrors = false;

void TraceLine(const QString& line) {
    qCDebug(lcTrace).noquote() << line;
}

bool SaveOptionKey(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value) {
    const bool saved = OpenKeyAndSet(registry, keyPath, root, valueName, value, platform::kRegSz);
    if (bTrace)
        TraceLine(QStringLiteral("Option Key saved: ") + valueName + QStringLiteral(", Value: ") +
                  value);
    return saved;
}

bool OpenKeyAndSet(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value,
                   int valueType) {
    const std::optional<platform::RegistryKey> key =
        registry.openKey(root, keyPath, kOptionKeyAccess);
    if (!key)
        return false;
    SetkeyValue(registry, *key, valueName, valueType, value);
    registry.closeKey(*key);
    return true;
}

long SetkeyValue(platform::Registry& registry, platform::RegistryKey key, const QString& valueName,
                 int valueType, const QString& value) {
    switch (valueType) {
    case platform::kRegSz:
        return registry.setStringValue(key, valueName, value);
    case platform::kRegDword: {
        const std::optional<double> number = tempiro::stored::toNumber(value);
        const bool fits = number && *number >= std::numeric_limits<qint32>::min() &&
                          *number <= std::numeric_limits<qint32>::max();
        return registry.setDwordValue(key, valueName,
                                      fits ? static_cast<qint32>(std::nearbyint(*number)) : 0);
    }
    default:
        return 0;
    }
}

void HandOffAutoOpen(platform::Registry& registry, bool autoOpen) {
    const auto root = platform::RegistryRoot::Users;
    const QString flag = tempiro::stored::booleanText(autoOpen);
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("bTPAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAdminReadOnly"),
                  tempiro::stored::booleanText(true));
}

void HandOffAlarmTime(platform::Registry& registry, const QString& generalDate) {
    const auto root = platform::RegistryRoot::Users;
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("sTPAlarmTime"),
                  generalDate);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("AlarmTime"),
                  generalDate);
}

int Main(QApplication& app, const platform::Services& services) {
    // Trace lines are formed only when someone reads them (QT_LOGGING_RULES): otherwise every
    // tick would build text for nothing.
    bTrace = lcTrace().isDebugEnabled();
    bTraceErrors = bTrace;
    // One timer per user: two copies would each save over the other's alarm at their close.
    platform::SingleInstance instance;
    switch (instance.claim()) {
    case platform::SingleInstance::Outcome::AskedRunning:
        TraceLine(QStringLiteral("Already running: brought the running timer forward"));
        return 0;
    case platform::SingleInstance::Outcome::Unguarded:
        TraceLine(QStringLiteral("Running without the one-copy lock"));
        break;
    case platform::SingleInstance::Outcome::First:
        break;
    }
    frmTempiro form(services);
    QObject::connect(&instance, &platform::SingleInstance::showRequested, &form, [&] {
        TraceLine(QStringLiteral("Brought forward by a second start"));
        if (services.windows.state(form) == platform::WindowState::Minimized)
            services.windows.setState(form, platform::WindowState::Normal);
        services.windows.bringToFront(form);
    });
    // A logout, a kill or the end of the desktop session closes the window as the user would,
    // so that the alarm is saved. A signal ends the run even while a message box waits for an
    // answer in its own event loop: leaving every loop lets the box return.
    platform::TerminationSignals termination;
    QObject::connect(&termination, &platform::TerminationSignals::terminationRequested, &form,
                     [&form] {
                         form.close();
                         QCoreApplication::exit(0);
                     });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form, &QWidget::close);
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &form, &frmTempiro::Form_Unload);
    form.Form_Load();
    form.show();
    form.Form_Activate();
    return app.exec();
}

} // namespace modMain
