#pragma once

#include "core/Timer.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <optional>

class QAction;

namespace tempiro::tray {

// The timer's item in the desktop's notification area: its icon and tooltip follow the timer's
// status, redrawn only when what they show changes, and its menu gives the timer's commands.
// What needs a window (showing it, the Enter Time dialog, the close) is asked of the window.
class TrayItem : public QObject {
    Q_OBJECT
public:
    explicit TrayItem(Timer& timer, QObject* parent = nullptr);

    // Whether the desktop has a notification area now; asks the session bus, so not at start.
    static bool available();

    QSystemTrayIcon& icon() { return m_icon; }
    QMenu& menu() { return m_menu; }

signals:
    // A click on the item.
    void activated();
    void showRequested();
    void quitRequested();

private:
    void showStatus(const TimerStatus& status);

    Timer& m_timer;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
    QAction* m_pause = nullptr;
    std::optional<TimerStatus> m_drawn; // what the icon shows
};

} // namespace tempiro::tray
