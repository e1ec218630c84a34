#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A home of the real program's own: its configuration, data, cache and runtime folders, so that a
// test run never touches the user's settings or hand-off and never meets the user's running
// timer, and no session bus, so that no notification reaches the user's desktop.
class ProgramHome {
public:
    ProgramHome() { makeRuntimeFolder(); }
    // The user's runtime folder, where the one-copy lock lives: each home is a user of its own.
    void makeRuntimeFolder() const {
        QDir().mkpath(filePath("runtime"));
        QFile::setPermissions(filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString filePath(const QString& relative) const {
        return QDir(m_dir.path()).filePath(relative);
    }
    QString settingsFile() const {
        return filePath("config/VB and VBA Program Settings/Tempiro Timer.conf");
    }
    QString handOffFile() const {
        return filePath("data/VB and VBA Program Settings/HKEY_USERS.reg");
    }
    // The test's own environment (platform, locale, zone) with these folders.
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", m_dir.path());
        env.insert("XDG_CONFIG_HOME", filePath("config"));
        env.insert("XDG_DATA_HOME", filePath("data"));
        env.insert("XDG_CACHE_HOME", filePath("cache"));
        env.insert("XDG_RUNTIME_DIR", filePath("runtime"));
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + filePath("no-bus"));
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + filePath("no-system-bus"));
        return env;
    }

    static void writeFile(const QString& path, const QByteArray& content) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    static QByteArray readFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private:
    QTemporaryDir m_dir;
};
