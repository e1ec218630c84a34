#include "core/modMain.h"

#include "core/StoredText.h"

Q_LOGGING_CATEGORY(lcTrace, "tempiro.trace", QtWarningMsg)

namespace tempiro::modMain {

bool bTrace = false;
bool bTraceErrors = false;

void TraceLine(const QString& line) {
    qCDebug(lcTrace).noquote() << line;
}

bool SaveOptionKey(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value) {
    const bool saved = OpenKeyAndSet(registry, keyPath, root, valueName, value);
    if (bTrace)
        TraceLine(QStringLiteral("Option Key saved: ") + valueName + QStringLiteral(", Value: ") +
                  value);
    return saved;
}

bool OpenKeyAndSet(platform::Registry& registry, const QString& keyPath,
                   platform::RegistryRoot root, const QString& valueName, const QString& value) {
    const std::optional<platform::RegistryKey> key = registry.openKey(root, keyPath);
    if (!key)
        return false;
    if (const long result = registry.setStringValue(*key, valueName, value);
        result != platform::kRegSuccess)
        TraceLine(QStringLiteral("Option Key not set: %1, error %2").arg(valueName).arg(result));
    registry.closeKey(*key);
    return true;
}

void handOffAutoOpen(platform::Registry& registry, bool autoOpen) {
    const auto root = platform::RegistryRoot::Users;
    const QString flag = booleanText(autoOpen);
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("bTPAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAdminReadOnly"),
                  booleanText(true));
}

void handOffAlarmTime(platform::Registry& registry, const QString& generalDate,
                      const QString& iso) {
    const auto root = platform::RegistryRoot::Users;
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("sTPAlarmTime"),
                  generalDate);
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("sTPAlarmTimeISO"), iso);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("AlarmTime"),
                  generalDate);
}

} // namespace tempiro::modMain
