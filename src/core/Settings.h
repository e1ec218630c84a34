#pragma once

#include "core/DateText.h"
#include "core/TimerState.h"
#include "core/Twips.h"
#include "platform/Registry.h"
#include "platform/SettingsStore.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// What survives between runs: the options, the alarm, the event link and the main window's
// place, read once while the main window loads and written once while it closes.
namespace tempiro {

inline const QString kSettingsSection = QStringLiteral("Settings");
inline const QString kSettingsWindowName = QStringLiteral("frmTempiro");

// Reads the value keys into the state and the event link. A stored text that does
// not convert leaves its field as it was; an absent key gives the key's default, for the
// target two hours after now.
void readSettings(platform::SettingsStore& store, TimerState& state, QString& link, double now,
                  const DateText& text);

// The four geometry keys as stored; a key that is absent or unreadable is nothing.
struct StoredWindow {
    std::optional<float> left;
    std::optional<float> top;
    std::optional<float> width;
    std::optional<float> height;
};
StoredWindow readStoredWindow(platform::SettingsStore& store);

// Whether a window rectangle (pixels) can be reached on one of the screens.
bool onSomeScreen(const QRect& window, const QList<QRect>& screens);

// Where the main window opens, in pixels. A stored width or height of zero or less, or larger
// than all screens together, gives the designed one; a stored place that would leave the title
// bar off every screen gives no place (the window manager places the window, as at a first
// start). Any other stored place is kept exactly, the screen's corner included.
struct WindowPlacement {
    std::optional<QPoint> position;
    QSize size;
};
WindowPlacement placementAtStart(const StoredWindow& stored, const QSize& designed, double dpi,
                                 const QList<QRect>& screens);

struct SettingsAtClose {
    QString link;
    std::optional<TwipsRect> normalWindow; // absent while minimised or maximised
    double now = 0;
    bool withPosition = true; // false where the window system hides it: the stored one stays
};

// Writes every key in the order a close writes them, then hands the auto-open flag and the
// target to the companion. A target of exactly 0 (one that could not be read at start) becomes
// the moment of closing. The settings file is written before the companion's file is even
// opened; its values go in all at once. Empty when everything was saved, otherwise the first
// reason why not.
QString writeSettings(platform::SettingsStore& store, platform::Registry& registry,
                      TimerState& state, const SettingsAtClose& closing, const DateText& text);

} // namespace tempiro
