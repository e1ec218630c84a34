#include "core/Settings.h"

#include "core/DayCount.h"
#include "core/StoredText.h"
#include "core/Twips.h"
#include "core/modMain.h"

#include <QCoreApplication>
#include <cmath>
#include <new>
#include <variant>

namespace tempiro {

namespace {

class Reader {
public:
    Reader(platform::SettingsStore& store)
        : m_store(store) {}

    QString text(const QString& key, const QString& defaultValue) {
        return m_store.read(kProgramTitle, kSettingsSection, key, defaultValue);
    }
    void boolean(const QString& key, bool defaultValue, bool& field) {
        if (const auto value = booleanFromText(text(key, booleanText(defaultValue))))
            field = *value;
    }
    void integer(const QString& key, qint16 defaultValue, qint16& field) {
        if (const auto value = integer16FromText(text(key, integerText(defaultValue))))
            field = *value;
    }
    void single(const QString& key, float defaultValue, float& field) {
        if (const auto value = singleFromText(text(key, singleText(defaultValue))))
            field = *value;
    }

private:
    platform::SettingsStore& m_store;
};

class Writer {
public:
    Writer(platform::SettingsStore& store)
        : m_store(store) {}
    void text(const QString& key, const QString& value) {
        m_store.write(kProgramTitle, kSettingsSection, key, value);
    }
    void boolean(const QString& key, bool value) { text(key, booleanText(value)); }
    void integer(const QString& key, qint16 value) { text(key, integerText(value)); }
    void single(const QString& key, float value) { text(key, singleText(value)); }

private:
    platform::SettingsStore& m_store;
};

// The four geometry keys ("Left" and the window's name, ...) in the order they are read and
// written, with the field each one holds.
struct GeometryKey {
    const char* word;
    float TwipsRect::*field;
    std::optional<float> StoredWindow::*stored;
};
constexpr GeometryKey kGeometryKeys[] = {{"Left", &TwipsRect::left, &StoredWindow::left},
                                         {"Top", &TwipsRect::top, &StoredWindow::top},
                                         {"Width", &TwipsRect::width, &StoredWindow::width},
                                         {"Height", &TwipsRect::height, &StoredWindow::height}};

QString geometryKey(const GeometryKey& key) {
    return QLatin1String(key.word) + kSettingsWindowName;
}

// The display and alarm options, each read at the start and written at the close in this
// order; the administrator's lock is only read.
struct OptionKey {
    const char* name;
    std::variant<bool TimerState::*, qint16 TimerState::*> field;
    bool written = true;
};
const OptionKey kOptionKeys[] = {
    {"bSec", &TimerState::bSec},
    {"bMin", &TimerState::bMin},
    {"bHr", &TimerState::bHr},
    {"bDay", &TimerState::bDay},
    {"bTTlDay", &TimerState::bTTlDay},
    {"bLbl", &TimerState::bLbl},
    {"bWarn", &TimerState::bWarn},
    {"nWarnMin", &TimerState::nWarnMin},
    {"bKeepTop", &TimerState::bKeepTop},
    {"bShowLocalTime", &TimerState::bShowLocalTime},
    {"bShowMenus", &TimerState::bShowMenus},
    {"bAutoOpen", &TimerState::bAutoOpen},
    {"bTrayIcon", &TimerState::bTrayIcon},
    {"bKeepAwake", &TimerState::bKeepAwake},
    {"bAdminReadOnly", &TimerState::bAdminReadOnly, false},
};

// The target beside its General Date text, as ISO 8601 local wall time; and when the countdown
// to it began.
const QString kAlarmTimeIso = QStringLiteral("AlarmTimeISO");
const QString kCountFromIso = QStringLiteral("CountFromISO");

} // namespace

void readSettings(platform::SettingsStore& store, TimerState& s, QString& link, double now,
                  const DateText& dateText) {
    // An absent key takes the value of a first start.
    TimerState first;
    FirstStart::apply(first, now);
    Reader read(store);
    for (const OptionKey& key : kOptionKeys) {
        const QString name = QLatin1String(key.name);
        if (const auto* flag = std::get_if<bool TimerState::*>(&key.field))
            read.boolean(name, first.**flag, s.**flag);
        else if (const auto* number = std::get_if<qint16 TimerState::*>(&key.field))
            read.integer(name, first.**number, s.**number);
    }
    link = read.text(QStringLiteral("sLink"), QString());
    read.integer(QStringLiteral("nTimeorInterval"), first.nTimeorInterval, s.nTimeorInterval);
    // The default target is offered as text in the form this program writes.
    const QString target =
        read.text(QStringLiteral("AlarmTime"), dateText.generalDate(first.dAlarmTime));
    // The same moment in a form no locale changes, when this program wrote it: "4/3/2027" is
    // 3 April where it was written and 4 March under the next LANG.
    if (const std::optional<double> exact = fromIsoText(read.text(kAlarmTimeIso, QString())))
        s.dAlarmTime = *exact;
    else if (const ParseResult value = dateText.parse(target, toLocalDateTime(now).date.year()))
        s.dAlarmTime = *value.value;
    else {
        // Unreadable counts as absent: a target read as 0 would show as expired 46,000 days ago.
        s.dAlarmTime = first.dAlarmTime;
        if (modMain::bTraceErrors)
            modMain::TraceLine(QStringLiteral("AlarmTime not readable: ") + target);
    }
    s.sEventTitle = read.text(QStringLiteral("sEventTitle"), first.sEventTitle);
    // Not known for an alarm set before it was kept, nor for the first start's.
    s.dCountFrom = fromIsoText(read.text(kCountFromIso, QString())).value_or(0);
}

StoredWindow readStoredWindow(platform::SettingsStore& store) {
    Reader read(store);
    StoredWindow stored;
    for (const GeometryKey& key : kGeometryKeys)
        stored.*key.stored = singleFromText(read.text(geometryKey(key), QString()));
    return stored;
}

bool onSomeScreen(const QRect& window, const QList<QRect>& screens) {
    for (const QRect& screen : screens)
        if (screen.intersects(window))
            return true;
    return false;
}

namespace {

// Pixels of a stored value, worked out before any conversion to int: a hand-edited 1e30 must
// not overflow. Nothing when it lies outside [low, high].
std::optional<int> pixelsWithin(std::optional<float> twips, double dpi, double low, double high) {
    if (!twips)
        return std::nullopt;
    const double pixels = std::round(*twips * dpi / kTwipsPerInch);
    if (!(pixels >= low && pixels <= high))
        return std::nullopt;
    return static_cast<int>(pixels);
}

// The strip along the window's top edge that holds the title bar, whatever its frame.
constexpr int kTitleBarPixels = 20;
constexpr double kFarAway = 1e6;

} // namespace

WindowPlacement placementAtStart(const StoredWindow& stored, const QSize& designed, double dpi,
                                 const QList<QRect>& screens) {
    QRect all;
    for (const QRect& screen : screens)
        all |= screen;
    WindowPlacement placement;
    placement.size =
        QSize(pixelsWithin(stored.width, dpi, 1, all.width()).value_or(designed.width()),
              pixelsWithin(stored.height, dpi, 1, all.height()).value_or(designed.height()));
    const std::optional<int> x = pixelsWithin(stored.left, dpi, -kFarAway, kFarAway);
    const std::optional<int> y = pixelsWithin(stored.top, dpi, -kFarAway, kFarAway);
    if (x && y && onSomeScreen(QRect(*x, *y, placement.size.width(), kTitleBarPixels), screens))
        placement.position = QPoint(*x, *y);
    return placement;
}

QString writeSettings(platform::SettingsStore& store, platform::Registry& registry, TimerState& s,
                      const SettingsAtClose& closing, const DateText& dateText) {
    Writer write(store);
    if (closing.normalWindow)
        for (const GeometryKey& key : kGeometryKeys)
            if (closing.withPosition || key.field == &TwipsRect::width ||
                key.field == &TwipsRect::height)
                write.single(geometryKey(key), (*closing.normalWindow).*key.field);
    for (const OptionKey& key : kOptionKeys) {
        const QString name = QLatin1String(key.name);
        if (!key.written)
            continue;
        if (const auto* flag = std::get_if<bool TimerState::*>(&key.field))
            write.boolean(name, s.**flag);
        else if (const auto* number = std::get_if<qint16 TimerState::*>(&key.field))
            write.integer(name, s.**number);
    }
    write.text(QStringLiteral("sLink"), closing.link);
    write.integer(QStringLiteral("nTimeorInterval"), s.nTimeorInterval);
    write.text(QStringLiteral("sEventTitle"), s.sEventTitle);
    if (s.dAlarmTime == 0)
        s.dAlarmTime = closing.now;
    const QString target = dateText.generalDate(s.dAlarmTime);
    write.text(QStringLiteral("AlarmTime"), target);
    write.text(kAlarmTimeIso, isoText(s.dAlarmTime));
    // Only a known one: a made-up start would differ at every close.
    if (s.dCountFrom != 0)
        write.text(kCountFromIso, isoText(s.dCountFrom));
    const QString settingsFailure = store.flush();
    // The companion's file is opened only once the user's own settings are safe, whatever
    // becomes of it (a file too big for the memory left, say); its values reach it in one
    // rewrite.
    QString handOffFailure;
    try {
        registry.holdWrites();
        modMain::handOffAutoOpen(registry, s.bAutoOpen);
        modMain::handOffAlarmTime(registry, target, isoText(s.dAlarmTime));
        handOffFailure = registry.commitWrites();
    } catch (const std::bad_alloc&) {
        handOffFailure = QCoreApplication::translate(
            "StorageText", "not enough memory for the companion clock's file");
    }
    return settingsFailure.isEmpty() ? handOffFailure : settingsFailure;
}

} // namespace tempiro
