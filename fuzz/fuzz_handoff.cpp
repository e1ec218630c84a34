// Arbitrary bytes as the companion's registry file: reading and writing the hand-off must never
// crash, a value set must read back, and no other line of the file may be lost.
#include "core/modMain.h"
#include "host/RegFileRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace tempiro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    host::RegFileRegistry registry(folder.path());
    const QString file = registry.fileOf(platform::RegistryRoot::Users);
    const QByteArray before(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(before);
    }
    const bool opened = modMain::SaveOptionKey(
        registry, modMain::kCompanionOptionsKey, platform::RegistryRoot::Users,
        QStringLiteral("sTPAlarmTime"), QStringLiteral("12/25/2026 10:00:00 PM"));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray after = in.readAll();
    in.close();
    if (!opened && after != before)
        std::abort(); // a key that is not there is never made
    if (opened) {
        const auto key =
            registry.openKey(platform::RegistryRoot::Users, modMain::kCompanionOptionsKey);
        if (!key)
            std::abort();
        const auto value = registry.queryValue(*key, QStringLiteral("sTPAlarmTime"));
        registry.closeKey(*key);
        if (!value || value->text != QStringLiteral("12/25/2026 10:00:00 PM"))
            std::abort();
        // One value line replaced or added: no other line is dropped or split.
        const qsizetype added = after.count('\n') - before.count('\n');
        if (added < 0 || added > 2)
            std::abort();
    }
    return 0;
}
