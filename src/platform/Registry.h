#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace tempiro::platform {

enum class RegistryRoot { Users, LocalMachine };

// Registry value types, as the registry numbers them; numbers are only ever read (another
// program's file may hold some).
inline constexpr int kRegSz = 1;
inline constexpr int kRegDword = 4;
// Result code of a registry operation that succeeded.
inline constexpr long kRegSuccess = 0;

using RegistryKey = int;

struct RegistryValue {
    int type = 0; // kRegSz or kRegDword
    QString text; // the text, or the number in decimal
};

// A registry of keys holding named values. Keys are never created here: a key exists when
// whoever owns it (the companion's installer) made it.
class Registry {
public:
    virtual ~Registry() = default;
    virtual std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path) = 0;
    virtual long setStringValue(RegistryKey key, const QString& name, const QString& text) = 0;
    // The value as stored, or nothing when the key holds no value of that name.
    virtual std::optional<RegistryValue> queryValue(RegistryKey key, const QString& name) = 0;
    virtual void closeKey(RegistryKey key) = 0;
    // Makes the key when it is missing, as an installer does; false when it cannot.
    virtual bool createKey(RegistryRoot root, const QString& path) = 0;

    // From here until commitWrites, values set on closed keys are held back, so that several
    // of them reach the store together.
    virtual void holdWrites() {}
    // Writes what was held; empty when all of it was written, otherwise the reason.
    virtual QString commitWrites() { return {}; }
};

} // namespace tempiro::platform
