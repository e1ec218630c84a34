#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <map>
#include <optional>
#include <vector>

namespace tempiro::platform {

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

    // From here until commitWrites, values set on closed keys are held back, so that several
    // of them reach the store together.
    virtual void holdWrites() {}
    // Writes what was held; empty when all of it was written, otherwise the reason.
    virtual QString commitWrites() { return {}; }
};

// The registry kept as files in the registry-export text format, one file per root
// ("HKEY_USERS.reg"): a "REGEDIT4" line, "[ROOT\key\path]" section headers and
// "name"="text" lines with \ and " escaped. Values set on an open key are written when the
// key is closed, or all at once at commitWrites; every other line of the file stays as it was,
// and the file is replaced atomically, under a lock against other writers, so that it is never
// left half-written or mixed from two writers. Reading and writing take time and memory in
// proportion to the file's size, whatever its lines.
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

    void holdWrites() override;
    QString commitWrites() override;

    // How long a write waits for another writer's lock on the file.
    static constexpr int kLockWaitMilliseconds = 2000;

    struct ValueLine {
        QString header; // the section's name between the brackets
        QString name;
        QByteArray line;
    };

private:
    struct OpenKey {
        QString file;
        QString header;
        std::vector<ValueLine> pending;
    };
    long setValueLine(RegistryKey key, const QString& name, const QByteArray& line);
    QStringList headersOf(const QString& file);

    QString m_folder;
    std::map<RegistryKey, OpenKey> m_open;
    RegistryKey m_nextKey = 1;
    bool m_holding = false;
    std::map<QString, QStringList> m_headersWhileHolding; // file -> its section headers
    std::map<QString, std::vector<ValueLine>> m_held;     // file -> values in the order set
};

} // namespace tempiro::platform
