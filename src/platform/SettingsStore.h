#pragma once

#include <QString>

namespace tempiro::platform {

// The per-user key-value store of texts, addressed by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or defaultValue when the key is absent.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& defaultValue) = 0;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
    // Makes every write so far permanent; empty when done, otherwise why not (the stored values
    // are then as they were).
    virtual QString flush() = 0;
    // The name a flush gave a stored file it found unreadable, moved aside rather than written
    // over; told once, empty otherwise.
    virtual QString takeSetAside() { return {}; }
};

} // namespace tempiro::platform
