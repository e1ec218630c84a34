#include "host/QSettingsStore.h"

#include "host/FileWrite.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <utility>

namespace tempiro::host {

const QString QSettingsStore::kOrganisation = QStringLiteral("VB and VBA Program Settings");

QSettingsStore::QSettingsStore() = default;
QSettingsStore::~QSettingsStore() {
    flush();
}

namespace {

// A file that is there but gives nothing: not text of ours (another encoding, as some editors
// save, or binary), or no line of it a value.
bool unreadable(const QSettings& settings) {
    QFile file(settings.fileName());
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (bytes.contains('\0') || utf8.hasError())
        return true;
    return settings.status() == QSettings::FormatError && settings.allKeys().isEmpty();
}

} // namespace

QSettings& QSettingsStore::settingsOf(const QString& application) {
    std::unique_ptr<QSettings>& settings = m_settings[application];
    if (!settings) {
        settings = std::make_unique<QSettings>(kOrganisation, application);
        // The organisation-wide file belongs to other programs of the same maker.
        settings->setFallbacksEnabled(false);
        if (unreadable(*settings))
            m_unreadable.insert(application);
    }
    return *settings;
}

QString QSettingsStore::takeSetAside() {
    return std::exchange(m_setAside, QString());
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

namespace {

bool holdsAll(const QString& file, const std::vector<std::pair<QString, QString>>& writes) {
    const QSettings saved(file, QSettings::IniFormat);
    for (const auto& [key, value] : writes)
        if (saved.value(key).toString() != value)
            return false;
    return true;
}

} // namespace

QString QSettingsStore::flush() {
    QString failure;
    for (auto& [application, writes] : m_pending) {
        QSettings& settings = settingsOf(application);
        const QString file = settings.fileName();
        const QString folder = QFileInfo(file).path();
        QDir().mkpath(folder);
        QString reason;
        {
            // Only a look: QSettings takes the lock itself while it writes.
            QLockFile lock(file + QStringLiteral(".lock"));
            reason = takeWriterLock(lock, file, kLockWaitMilliseconds);
            if (reason.isEmpty())
                removeInterruptedWrites(file);
        }
        if (reason.isEmpty() && m_unreadable.erase(application)) {
            // The user's file is kept beside, under a name that says why, before anything of
            // ours takes its place; what was read of it is not written back.
            const QString aside =
                file + QStringLiteral(".unreadable-") +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
            if (QFile::rename(file, aside)) {
                m_setAside = aside;
                settings.clear();
            } else {
                reason = writeFailureIn(folder);
            }
        }
        if (reason.isEmpty()) {
            for (const auto& [key, value] : writes)
                settings.setValue(key, value);
            settings.sync();
            // QSettings keeps the old file when it cannot write the new one whole; its status
            // keeps only the first error, which may be one met while reading, so the file
            // itself tells whether the values arrived.
            if (settings.status() == QSettings::AccessError || !holdsAll(file, writes))
                reason = writeFailureIn(folder);
        }
        if (failure.isEmpty())
            failure = reason;
    }
    m_pending.clear();
    return failure;
}

} // namespace tempiro::host
