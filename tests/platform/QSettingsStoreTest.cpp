#include "host/QSettingsStore.h"

#include "core/DayCount.h"
#include "core/Settings.h"
#include "fakes/FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tempiro;

namespace {

// Every QSettings of this test program lives in its own temporary folder, never in the
// developer's configuration.
class QSettingsStoreTest : public ::testing::Test {
protected:
    QSettingsStoreTest() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QString file() const {
        return QDir(dir.path()).filePath("VB and VBA Program Settings/Tempiro Timer.conf");
    }

    QTemporaryDir dir;
    DateText text{QLocale(QLocale::English, QLocale::UnitedStates)};
    double now = toDayCount(QDate(2026, 12, 8), QTime(9, 30, 0));
};

} // namespace

TEST_F(QSettingsStoreTest, EveryKeyRoundTripsThroughTheFile) {
    TimerState saved;
    saved.bSec = saved.bDay = saved.bLbl = saved.bWarn = saved.bKeepTop = true;
    saved.bShowMenus = saved.bAutoOpen = true;
    saved.nWarnMin = -7;
    saved.nTimeorInterval = kModeStopWatch;
    saved.dAlarmTime = toDayCount(QDate(2026, 12, 7), QTime(23, 15, 42));
    saved.sEventTitle = QStringLiteral("Auktion; \"Zeit\", ü\nzweite Zeile \\ Ende");
    const QString link = QStringLiteral("https://example.org/a?b=1,2;c=\"d\"");
    const TwipsRect window{-1500, 300.5f, 5280, 4815};
    {
        host::QSettingsStore store;
        platform::FakeRegistry registry;
        TimerState state = saved;
        writeSettings(store, registry, state, {link, window, now}, text);
    }
    ASSERT_TRUE(QFile::exists(file()));

    host::QSettingsStore store;
    TimerState loaded;
    QString loadedLink;
    readSettings(store, loaded, loadedLink, now + 1, text);
    EXPECT_EQ(loaded.bSec, true);
    EXPECT_EQ(loaded.bMin, false);
    EXPECT_EQ(loaded.bHr, false);
    EXPECT_EQ(loaded.bDay, true);
    EXPECT_EQ(loaded.bTTlDay, false);
    EXPECT_EQ(loaded.bLbl, true);
    EXPECT_EQ(loaded.bWarn, true);
    EXPECT_EQ(loaded.nWarnMin, -7);
    EXPECT_EQ(loaded.bAutoOpen, true);
    EXPECT_EQ(loaded.bKeepTop, true);
    EXPECT_EQ(loaded.bShowLocalTime, false);
    EXPECT_EQ(loaded.bShowMenus, true);
    EXPECT_EQ(loadedLink, link);
    EXPECT_EQ(loaded.nTimeorInterval, kModeStopWatch);
    EXPECT_NEAR(loaded.dAlarmTime, saved.dAlarmTime, 0.5 / kSecondsPerDay);
    EXPECT_EQ(loaded.sEventTitle, saved.sEventTitle);
    const StoredWindow stored = readStoredWindow(store);
    EXPECT_EQ((TwipsRect{*stored.left, *stored.top, *stored.width, *stored.height}), window);
}

TEST_F(QSettingsStoreTest, ValuesAreTextsInTheSettingsGroup) {
    {
        host::QSettingsStore store;
        store.write("Tempiro Timer", "Settings", "bSec", "True");
        store.write("Tempiro Timer", "Settings", "nWarnMin", "5");
    }
    QFile conf(file());
    ASSERT_TRUE(conf.open(QIODevice::ReadOnly));
    EXPECT_EQ(conf.readAll(), "[Settings]\nbSec=True\nnWarnMin=5\n");
}

TEST_F(QSettingsStoreTest, AHandEditedFileLoadsWhatItCan) {
    QDir().mkpath(QFileInfo(file()).path());
    QFile conf(file());
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Settings]\nbSec=False\nsEventTitle=Fair, Spring\nnWarnMin=lots\n\x01\x02 junk\n"
               "sLink=https://example.org\n");
    conf.close();

    host::QSettingsStore store;
    TimerState state;
    QString link;
    readSettings(store, state, link, now, text);
    EXPECT_FALSE(state.bSec);
    EXPECT_EQ(state.sEventTitle, "Fair, Spring");
    EXPECT_EQ(state.nWarnMin, 0);
    EXPECT_EQ(link, "https://example.org");
    EXPECT_DOUBLE_EQ(state.dAlarmTime, now + 2.0 / 24);
    EXPECT_EQ(store.read("Tempiro Timer", "Settings", "absent", "fallback"), "fallback");
}

TEST_F(QSettingsStoreTest, ALockLeftEmptyByAKilledWriterDoesNotStopTheSave) {
    QDir().mkpath(QFileInfo(file()).path());
    QFile lock(file() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly)); // made, and killed before it wrote its owner
    lock.close();

    host::QSettingsStore store;
    store.write("Tempiro Timer", "Settings", "sEventTitle", "Saved");
    store.flush();
    EXPECT_EQ(QSettings(file(), QSettings::IniFormat).value("Settings/sEventTitle"), "Saved");
}

TEST_F(QSettingsStoreTest, ALockOfALiveWriterIsLeftAloneAndTheFileKept) {
    QDir().mkpath(QFileInfo(file()).path());
    {
        QFile conf(file());
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("[Settings]\nsEventTitle=Kept\n");
    }
    QLockFile other(file() + ".lock");
    ASSERT_TRUE(other.tryLock(0));

    host::QSettingsStore store;
    store.write("Tempiro Timer", "Settings", "sEventTitle", "Saved");
    store.flush();
    EXPECT_EQ(QSettings(file(), QSettings::IniFormat).value("Settings/sEventTitle"), "Kept");
    EXPECT_TRUE(QFile::exists(file() + ".lock"));
}

// A file saved in another encoding is moved aside, under a name that says why, before anything
// is written over it, and told once; a hand-edited file with a bad line is written as usual.
TEST_F(QSettingsStoreTest, AnUnreadableFileIsSetAsideRatherThanOverwritten) {
    const QString text = "[Settings]\r\nsEventTitle=Mine\r\n";
    const QByteArray utf16 =
        QByteArray("\xff\xfe") +
        QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    for (const QByteArray& contents : {utf16, QByteArray("[Settings]\nbSec=False\n\x01 junk\n")}) {
        QDir().mkpath(QFileInfo(file()).path());
        QFile conf(file());
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(contents);
        conf.close();
        host::QSettingsStore store;
        store.read("Tempiro Timer", "Settings", "sEventTitle", "");
        store.write("Tempiro Timer", "Settings", "bSec", "True");
        EXPECT_EQ(store.flush(), "");
        const QString aside = store.takeSetAside();
        EXPECT_EQ(QSettings(file(), QSettings::IniFormat).value("Settings/bSec").toString(),
                  "True");
        if (contents == utf16) {
            ASSERT_TRUE(aside.startsWith(file() + ".unreadable-")) << aside.toStdString();
            QFile kept(aside);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), utf16);
            EXPECT_EQ(QSettings(file(), QSettings::IniFormat).allKeys(),
                      QStringList{"Settings/bSec"});
            store.write("Tempiro Timer", "Settings", "bSec", "False");
            store.flush();
            EXPECT_EQ(store.takeSetAside(), "") << "told once";
        } else {
            EXPECT_EQ(aside, "");
            EXPECT_EQ(QSettings(file(), QSettings::IniFormat).allKeys().size(), 1);
        }
    }
}
