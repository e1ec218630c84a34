#include "core/modMain.h"

#include "core/StoredText.h"

#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcTrace, "tempiro.trace", QtWarningMsg)

namespace tempiro::modMain {

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
        const std::optional<double> number = numberFromText(value);
        const bool fits = number && *number >= std::numeric_limits<qint32>::min() &&
                          *number <= std::numeric_limits<qint32>::max();
        return registry.setDwordValue(key, valueName,
                                      fits ? static_cast<qint32>(std::nearbyint(*number)) : 0);
    }
    default:
        return 0;
    }
}

void handOffAutoOpen(platform::Registry& registry, bool autoOpen) {
    const auto root = platform::RegistryRoot::Users;
    const QString flag = booleanText(autoOpen);
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("bTPAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAutoOpen"), flag);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("bAdminReadOnly"),
                  booleanText(true));
}

void handOffAlarmTime(platform::Registry& registry, const QString& generalDate) {
    const auto root = platform::RegistryRoot::Users;
    SaveOptionKey(registry, kCompanionOptionsKey, root, QStringLiteral("sTPAlarmTime"),
                  generalDate);
    SaveOptionKey(registry, kDefaultUserSettingsKey, root, QStringLiteral("AlarmTime"),
                  generalDate);
}

} // namespace tempiro::modMain
