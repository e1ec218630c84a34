#pragma once

#include "platform/Registry.h"

#include <map>
#include <vector>

namespace tempiro::host {

using platform::Registry;
using platform::RegistryKey;
using platform::RegistryRoot;
using platform::RegistryValue;

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

    std::optional<RegistryKey> openKey(RegistryRoot root, const QString& path) override;
    long setStringValue(RegistryKey key, const QString& name, const QString& text) override;
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

} // namespace tempiro::host
