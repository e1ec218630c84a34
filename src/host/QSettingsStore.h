#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

class QSettings;

namespace tempiro::host {

using platform::SettingsStore;

// QSettings under the organisation "VB and VBA Program Settings": on Windows the registry keys
// "Software\VB and VBA Program Settings\<application>\<section>", elsewhere the file
// "<config home>/VB and VBA Program Settings/<application>.conf" with one group per section.
class QSettingsStore final : public SettingsStore {
public:
    static const QString kOrganisation;

    QSettingsStore();
    ~QSettingsStore() override;

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    QString flush() override;
    QString takeSetAside() override;

    // How long a close waits for another writer's lock on the settings file.
    static constexpr int kLockWaitMilliseconds = 2000;

private:
    QSettings& settingsOf(const QString& application);
    std::map<QString, std::unique_ptr<QSettings>> m_settings;
    // Writes wait here until flush: QSettings waits without end for a lock it cannot take, so
    // they reach it only once the file's lock has been seen to be free.
    std::map<QString, std::vector<std::pair<QString, QString>>> m_pending;
    std::set<QString> m_unreadable; // applications whose file could not be read
    QString m_setAside;
};

} // namespace tempiro::host
