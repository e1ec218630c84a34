// Arbitrary bytes as the settings file read at start: the program must come up with what it
// can read and initial values for the rest, never crash.
#include "core/DateText.h"
#include "core/DayCount.h"
#include "core/Settings.h"
#include "host/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

using namespace tempiro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir home;
    static int run = 0;
    // A folder per run: QSettings keeps what it read of a path.
    const QString folder = QDir(home.path()).filePath(QString::number(++run));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QDir().mkpath(folder + QStringLiteral("/VB and VBA Program Settings"));
    const QString file = folder + QStringLiteral("/VB and VBA Program Settings/Tempiro Timer.conf");
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return 0;
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    {
        host::QSettingsStore store;
        const tempiro::DateText text(QLocale(QLocale::English, QLocale::UnitedStates));
        tempiro::TimerState state;
        QString link;
        const double now = tempiro::toDayCount(QDate(2026, 12, 8), QTime(9, 30));
        readSettings(store, state, link, now, text);
        if (!std::isfinite(state.dAlarmTime))
            std::abort();
        const tempiro::StoredWindow window = readStoredWindow(store);
        if (!std::isfinite(window.left.value_or(0)) || !std::isfinite(window.width.value_or(0)))
            std::abort();
    }
    QDir(folder).removeRecursively();
    return 0;
}
