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

bool QSettingsStore::takeLock(const QString& lockFile) {
    QLockFile lock(lockFile);
    if (lock.tryLock(kLockWaitMilliseconds))
        return true;
    // A writer records itself in the lock as soon as it has made it, so a lock still empty after
    // the wait was left by a writer killed in between. Qt would count it as live for another
    // half minute, and a close in that time would not be saved.
    qint64 pid = 0;
    QString hostName;
    QString application;
    if (lock.error() != QLockFile::LockFailedError ||
        lock.getLockInfo(&pid, &hostName, &application))
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
}

void QSettingsStore::flush() {
    for (auto& [application, writes] : m_pending) {
        QSettings& settings = settingsOf(application);
        QDir().mkpath(QFileInfo(settings.fileName()).path());
        if (!takeLock(settings.fileName() + QStringLiteral(".lock")))
            continue; // cannot be saved now; the file keeps what it had
        for (const auto& [key, value] : writes)
            settings.setValue(key, value);
        settings.sync();
    }
    m_pending.clear();
}

} // namespace platform
