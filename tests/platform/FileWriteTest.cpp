#include "host/FileWrite.h"

#include "core/modMain.h"
#include "host/QSettingsStore.h"
#include "host/RegFileRegistry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tempiro;

namespace {

// A file size limit makes every write beyond it fail part-way, as a full disk does, without
// needing one: the process is told EFBIG instead of ENOSPC.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

QByteArray readAll(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
}

const QByteArray kHandOff =
    "REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\TVSrvc\\Options]\n"
    "\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program Settings\\Tempiro Timer\\Settings]\n";

} // namespace

// Each writer of a file, made to fail in the middle of writing: the old file stays whole, and
// the writers that can say why do.
TEST(FileWrite, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    const QString regFile = dir.filePath("HKEY_USERS.reg");
    const QString confFile = dir.filePath("VB and VBA Program Settings/Tempiro Timer.conf");
    const QByteArray oldConf = "[Settings]\nsEventTitle=Kept\n";
    const QString bigValue(400, u'x');
    host::RegFileRegistry registry(dir.path());
    host::QSettingsStore store;

    struct Case {
        const char* writer;
        QString file;
        QByteArray old;
        std::function<QString()> write; // the reason it gives
    };
    const Case cases[] = {
        {"replaceFile", dir.filePath("plain.txt"), "old\n",
         [&] { return host::replaceFile(dir.filePath("plain.txt"), QByteArray(3000, 'n')); }},
        {"a key's close", regFile, kHandOff,
         [&] {
             modMain::SaveOptionKey(registry, modMain::kCompanionOptionsKey,
                                    platform::RegistryRoot::Users, "sTPAlarmTime", bigValue);
             return QStringLiteral("(not told)");
         }},
        {"held values", regFile, kHandOff,
         [&] {
             registry.holdWrites();
             modMain::handOffAutoOpen(registry, true);
             modMain::handOffAlarmTime(registry, bigValue, {});
             return registry.commitWrites();
         }},
        {"the companion's new key", regFile, kHandOff,
         [&] {
             return registry.createKey(platform::RegistryRoot::Users, "Software\\" + bigValue)
                        ? QString()
                        : QStringLiteral("(false)");
         }},
        {"the settings store", confFile, oldConf,
         [&] {
             store.write("Tempiro Timer", "Settings", "sEventTitle", bigValue);
             return store.flush();
         }},
    };
    for (const Case& c : cases) {
        QDir().mkpath(QFileInfo(c.file).path());
        QFile out(c.file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(c.old);
        out.close();
        QString reason;
        {
            const FileSizeLimit limit(static_cast<rlim_t>(c.old.size() + 16));
            reason = c.write();
        }
        EXPECT_FALSE(reason.isEmpty()) << c.writer;
        EXPECT_EQ(readAll(c.file), c.old) << c.writer;
    }
    // Nothing left beside the files.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"HKEY_USERS.reg", "plain.txt"}));
    EXPECT_EQ(QDir(QFileInfo(confFile).path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"Tempiro Timer.conf"}));
}

TEST(FileWrite, HeldValuesReachTheFileInOneRewriteAtTheCommit) {
    QTemporaryDir dir;
    host::RegFileRegistry registry(dir.path());
    const QString file = registry.fileOf(platform::RegistryRoot::Users);
    ASSERT_TRUE(host::replaceFile(file, kHandOff).isEmpty());

    registry.holdWrites();
    modMain::handOffAutoOpen(registry, true);
    modMain::handOffAlarmTime(registry, "12/25/2026 10:00:00 PM", "2026-12-25T22:00:00");
    EXPECT_EQ(readAll(file), kHandOff) << "nothing written before the commit";
    EXPECT_EQ(registry.commitWrites(), "");
    EXPECT_EQ(
        readAll(file),
        "REGEDIT4\n\n[HKEY_USERS\\.DEFAULT\\Software\\VB and VBA Program "
        "Settings\\TVSrvc\\Options]\n\"bTPAutoOpen\"=\"True\"\n"
        "\"sTPAlarmTime\"=\"12/25/2026 10:00:00 PM\"\n\"sTPAlarmTimeISO\"=\"2026-12-25T22:00:00\"\n"
        "\n[HKEY_USERS\\.DEFAULT\\Software\\VB "
        "and VBA Program Settings\\Tempiro Timer\\Settings]\n\"bAutoOpen\"=\"True\"\n"
        "\"bAdminReadOnly\"=\"True\"\n\"AlarmTime\"=\"12/25/2026 10:00:00 PM\"\n");
}
