#pragma once

#include <QString>
#include <QtGlobal>
#include <map>
#include <optional>
#include <vector>

namespace platform {

enum class RegistryRoot { Users, LocalMachine };

// Registry value types, as the registry numbers them.
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
    virtual std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path,
                                               quint32 access) = 0;
    virtual long setStringValue(RegistryKey key, const QString& name, const QString& text) = 0;
    virtual long setDwordValue(RegistryKey key, const QString& name, qint32 value) = 0;
    // The value as stored, or nothing when the key holds no value of that name.
    virtual std::optional<RegistryValue> queryValue(RegistryKey key, const QString& name) = 0;
    virtual void closeKey(RegistryKey key) = 0;
    // Makes the key when it is missing, as an installer does; false when it cannot.
    virtual bool createKey(RegistryRoot root, const QString& path) = 0;
};

// The registry kept as files in the registry-export text format, one file per root
// ("HKEY_USERS.reg"): a "REGEDIT4" line, "[ROOT\key\path]" section headers and
// "name"="text" lines with \ and " escaped. Values set on an open key are written when the
// key is closed; every other line of the file stays as it was, and the file is replaced
// atomically so that it is never left half-written.
class RegFileRegistry final : public Registry {
public:
    explicit RegFileRegistry(QString folder = defaultFolder());
    // "<data home>/VB and VBA Program Settings".
    static QString defaultFolder();
    static QString rootName(RegistryRoot root);
    QString fileOf(RegistryRoot root) const;

    std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path,
                                       quint32 access) override;
    long setStringValue(RegistryKey key, const QString& name, const QString& text) override;
    long setDwordValue(RegistryKey key, const QString& name, qint32 value) override;
    std::optional<RegistryValue> queryValue(RegistryKey key, const QString& name) override;
    void closeKey(RegistryKey key) override;

    // Makes the file too when it is missing, with its "REGEDIT4" line.
    bool createKey(RegistryRoot root, const QString& path) override;

private:
    struct OpenKey {
        QString file;
        QString header; // the section's name between the brackets
        std::vector<std::pair<QString, QByteArray>> pending; // value name, value line
    };
    long setValueLine(RegistryKey key, const QString& name, const QByteArray& line);

    QString m_folder;
    std::map<RegistryKey, OpenKey> m_open;
    RegistryKey m_nextKey = 1;
};

} // namespace platform
