#include "host/GioDesktopApps.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace tempiro;

using host::GioDesktopApps;
using platform::DesktopApp;

namespace {

// A throwaway desktop: entries for one stub browser, each the default of its own scheme, and
// nothing of the machine's own. The desktop library reads these folders once per process.
class DesktopAppsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        home = new QTemporaryDir;
        const QDir root(home->path());
        for (const char* folder : {"data/applications", "config", "empty", "my apps", "calls"})
            root.mkpath(folder);
        stub = root.filePath("my apps/web");
        write(stub, "#!/bin/sh\n{ echo \"$TEMPIRO_STUB\"; printf '%s\\n' \"$@\"; } > \"$0.tmp\" "
                    "&& mv \"$0.tmp\" \"" +
                        root.filePath("calls").toUtf8() + "/$$\"\n");
        QFile::setPermissions(stub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray quoted = '"' + stub.toUtf8() + '"';
        QByteArray defaults = "[Default Applications]\n";
        for (const auto& [name, exec] : std::vector<std::pair<QByteArray, QByteArray>>{
                 {"plain", quoted + " %u"},
                 {"env", "env TEMPIRO_STUB=wrapped " + quoted + " %u"},
                 {"many", quoted + " --new-window %U"},
                 {"flatpak",
                  quoted + " run --branch=stable --command=web org.example.Web @@u %U @@"}}) {
            write(root.filePath("data/applications/" + name + ".desktop"),
                  "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec +
                      "\nMimeType=x-scheme-handler/tempiro-" + name + ";\n");
            defaults += "x-scheme-handler/tempiro-" + name + "=" + name + ".desktop\n";
        }
        write(root.filePath("config/mimeapps.list"), defaults);
        qputenv("XDG_DATA_HOME", root.filePath("data").toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", root.filePath("config").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath("empty").toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", root.filePath("empty").toLocal8Bit());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    }
    static void TearDownTestSuite() { delete home; }

    static void write(const QString& path, const QByteArray& content) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    // What the stub started as `pid` saw: its TEMPIRO_STUB, then its arguments.
    static QStringList seenBy(qint64 pid) {
        QFile file(QDir(home->path()).filePath("calls/" + QString::number(pid)));
        QElapsedTimer waited;
        waited.start();
        while (!file.exists() && waited.elapsed() < 5000)
            QThread::msleep(20);
        if (!file.open(QIODevice::ReadOnly))
            return {"(nothing)"};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    static inline QTemporaryDir* home = nullptr;
    static inline QString stub;
    GioDesktopApps desktop;
};

} // namespace

TEST_F(DesktopAppsTest, EachKindOfEntryGetsTheAddressAsOneArgument) {
    struct Case {
        const char* name;
        QString executable;
        QStringList uris;
        QStringList seen; // the wrapper's variable, then the arguments
    };
    const QString address = "https://example.org/lot%207?a=1&b=2";
    const std::vector<Case> cases = {
        {"plain", stub, {address}, {address}},
        {"env", QStandardPaths::findExecutable("env"), {address}, {"wrapped", address}},
        {"many", stub, {address, "my auction"}, {"--new-window", address, "my auction"}},
        {"flatpak",
         stub,
         {address},
         {"run", "--branch=stable", "--command=web", "org.example.Web", "@@u", address, "@@"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DesktopApp> app =
            desktop.defaultFor(QStringLiteral("x-scheme-handler/tempiro-") + c.name);
        ASSERT_TRUE(app.has_value());
        EXPECT_EQ(app->id, QString(c.name) + ".desktop");
        EXPECT_EQ(app->executable.toStdString(), c.executable.toStdString());
        const platform::StartOutcome outcome = desktop.launch(*app, c.uris);
        ASSERT_TRUE(outcome.started) << outcome.errorDescription.toStdString();
        ASSERT_GT(outcome.taskId, 0);
        EXPECT_EQ(seenBy(outcome.taskId).join(u'|').toStdString(), c.seen.join(u'|').toStdString());
    }
}

TEST_F(DesktopAppsTest, NoHandlerNoEntryNothingStarted) {
    EXPECT_FALSE(desktop.defaultFor("x-scheme-handler/tempiro-none").has_value());
    EXPECT_FALSE(desktop.launch({"nowhere.desktop", "/nowhere"}, {"https://example.org/"}).started);
    EXPECT_FALSE(desktop.forProgram("no-such-program").has_value());
    const std::optional<DesktopApp> web = desktop.forProgram("web");
    ASSERT_TRUE(web.has_value());
    EXPECT_EQ(web->executable, stub);
}
