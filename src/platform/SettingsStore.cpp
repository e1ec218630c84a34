#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

namespace platform {

const QString QSettingsStore::kOrganisation = QStringLiteral("VB and VBA Program Settings");

QSettingsStore::QSettingsStore() = default;
QSettingsStore::~QSettingsStore() {
    flush();
}

QSettings& QSettingsStore::settingsOf(const QString& application) {
    std::unique_ptr<QSettings>& settings = m_settings[application];
    if (!settings) {
        settings = std::make_unique<QSettings>(kOrganisation, application);
        // The organisation-wide file belongs to other programs of the same maker.
        settings->setFallbacksEnabled(false);
    }
    return *settings;
}

QString QSettingsStore::read(const QString& application, const QString& section, const QString& key,
                             const QString& defaultValue) {
    const QVariant value = settingsOf(application).value(section + u'/' + key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with an unquoted comma comes back as a list of its parts.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QSettingsStore::write(const QString& application, const QString& section, const QString& key,
                           const QString& value) {
    m_pending[application].emplace_back(section + u'/' + key, value);
}

void QSettingsStore::flush() {
    for (auto& [application, writes] : m_pending) {
        QSettings& settings = settingsOf(application);
        QDir().mkpath(QFileInfo(settings.fileName()).path());
        QLockFile lock(settings.fileName() + QStringLiteral(".lock"));
        if (!lock.tryLock(kLockWaitMilliseconds))
            continue; // cannot be saved now; the file keeps what it had
        lock.unlock();
        for (const auto& [key, value] : writes)
            settings.setValue(key, value);
        settings.sync();
    }
    m_pending.clear();
}

} // namespace platform
